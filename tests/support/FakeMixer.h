// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Mixer.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Sound cards for tests: each fake device is described by what works on it
// and which lines it has, and records what the search did to it.
struct FakeLine {
    LineType type;
    bool muted = false;
    bool hasSwitch = true;
    bool readFails = false;
    bool writeFails = false;
    int writes = 0;
};

struct FakeDevice {
    bool opens = true;
    bool capabilities = true;
    std::vector<FakeLine> lines;
    int opened = 0;
    int closed = 0;
};

class FakeMixerSystem : public MixerSystem {
public:
    FakeMixerSystem() = default;
    explicit FakeMixerSystem(std::vector<FakeDevice> list) : devices(std::move(list)) {}

    int deviceCount() override { return static_cast<int>(devices.size()); }
    std::unique_ptr<MixerDevice> device(int index) override {
        if (index < 0 || index >= deviceCount())
            return nullptr;
        return std::make_unique<Device>(devices[static_cast<size_t>(index)]);
    }

    std::vector<FakeDevice> devices;

private:
    class Device : public MixerDevice {
    public:
        explicit Device(FakeDevice &state) : m_state(state) {}
        bool open() override {
            if (!m_state.opens)
                return false;
            ++m_state.opened;
            return true;
        }
        bool capabilities() override { return m_state.capabilities; }
        std::optional<LineId> findLine(LineType type) override {
            for (size_t i = 0; i < m_state.lines.size(); ++i)
                if (m_state.lines[i].type == type)
                    return static_cast<LineId>(i);
            return std::nullopt;
        }
        bool hasMuteSwitch(LineId line) override { return m_state.lines.at(line).hasSwitch; }
        bool readMute(LineId line, bool &muted) override {
            const FakeLine &fake = m_state.lines.at(line);
            if (fake.readFails)
                return false;
            muted = fake.muted;
            return true;
        }
        bool writeMute(LineId line, bool muted) override {
            FakeLine &fake = m_state.lines.at(line);
            ++fake.writes;
            if (fake.writeFails)
                return false;
            fake.muted = muted;
            return true;
        }
        void close() override { ++m_state.closed; }

    private:
        FakeDevice &m_state;
    };
};
