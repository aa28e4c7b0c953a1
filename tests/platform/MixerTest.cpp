// SPDX-License-Identifier: MIT
#include "platform/Mixer.h"
#include "support/FakeMixer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

FakeDevice deviceWith(std::vector<FakeLine> lines) {
    FakeDevice device;
    device.lines = std::move(lines);
    return device;
}

FakeDevice mutedSpeakers() {
    return deviceWith({{LineType::Speakers, true}});
}

TEST(Mixer, FirstDeviceThatSucceedsEndsTheSearch) {
    FakeMixerSystem system({mutedSpeakers(), mutedSpeakers()});
    EXPECT_TRUE(unmuteFirstDevice(system));
    EXPECT_FALSE(system.devices[0].lines[0].muted);
    EXPECT_EQ(system.devices[1].opened, 0);
    EXPECT_TRUE(system.devices[1].lines[0].muted);
}

TEST(Mixer, NoDeviceMeansFailure) {
    FakeMixerSystem system;
    EXPECT_FALSE(unmuteFirstDevice(system));
}

TEST(Mixer, PreferredLineIsUnmutedAndTheOthersLeftAlone) {
    using T = LineType;
    const struct {
        std::vector<LineType> lines; // in the device's own order
        LineType chosen;
    } cases[] = {
        {{T::Headphones, T::Speakers, T::Line}, T::Speakers},
        {{T::Digital, T::Line, T::Headphones}, T::Headphones},
        {{T::Digital, T::WaveIn, T::Line}, T::Line},
        {{T::Digital, T::WaveIn}, T::WaveIn},
        {{T::Digital}, T::Digital},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(static_cast<int>(test.chosen));
        FakeDevice device;
        for (LineType type : test.lines)
            device.lines.push_back({type, true});
        FakeMixerSystem system({device});
        EXPECT_TRUE(unmuteFirstDevice(system));
        for (const FakeLine &line : system.devices[0].lines)
            EXPECT_EQ(line.muted, line.type != test.chosen) << static_cast<int>(line.type);
    }
}

TEST(Mixer, ClearSwitchIsNotWritten) {
    FakeMixerSystem system({deviceWith({{LineType::Speakers, false}})});
    EXPECT_TRUE(unmuteFirstDevice(system));
    EXPECT_EQ(system.devices[0].lines[0].writes, 0);
    EXPECT_EQ(system.devices[0].closed, 1);
}

// A device failing at any step fails as a whole, is closed if it was opened,
// and the next device is tried.
TEST(Mixer, DeviceFailingAtAStepIsClosedAndTheNextTried) {
    const auto failing = [](auto change) {
        FakeDevice device = mutedSpeakers();
        change(device);
        return device;
    };
    const struct {
        const char *step;
        FakeDevice device;
    } cases[] = {
        {"open", failing([](FakeDevice &d) { d.opens = false; })},
        {"capabilities", failing([](FakeDevice &d) { d.capabilities = false; })},
        {"no output line", failing([](FakeDevice &d) { d.lines.clear(); })},
        {"no mute switch", failing([](FakeDevice &d) { d.lines[0].hasSwitch = false; })},
        {"read", failing([](FakeDevice &d) { d.lines[0].readFails = true; })},
        {"write", failing([](FakeDevice &d) { d.lines[0].writeFails = true; })},
        // The first line found is the one used, even when a later kind has a switch.
        {"speakers without switch",
         deviceWith({{LineType::Speakers, true, false}, {LineType::Headphones, true}})},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.step);
        FakeMixerSystem alone({test.device});
        EXPECT_FALSE(unmuteFirstDevice(alone));
        EXPECT_EQ(alone.devices[0].closed, alone.devices[0].opened);
        for (const FakeLine &line : alone.devices[0].lines)
            EXPECT_TRUE(line.muted);

        FakeMixerSystem withSecond({test.device, mutedSpeakers()});
        EXPECT_TRUE(unmuteFirstDevice(withSecond));
        EXPECT_FALSE(withSecond.devices[1].lines[0].muted);
        EXPECT_EQ(withSecond.devices[1].closed, 1);
    }
}

TEST(Mixer, ReplacementStandsInForTheMachine) {
    FakeMixerSystem fake({mutedSpeakers()});
    setSystemMixer(&fake);
    EXPECT_EQ(&systemMixer(), &fake);
    EXPECT_TRUE(unmuteFirstDevice(systemMixer()));
    setSystemMixer(nullptr);
    EXPECT_NE(&systemMixer(), &fake);
}

// The real search; on a machine without a sound card it must fail quietly.
TEST(Mixer, MachineWithoutSoundCardFailsQuietly) {
    MixerSystem &alsa = systemMixer();
    if (alsa.deviceCount() > 0)
        GTEST_SKIP() << "this machine has a sound card";
    EXPECT_EQ(alsa.device(0), nullptr);
    testing::internal::CaptureStderr();
    const bool unmuted = unmuteFirstDevice(alsa);
    const std::string noise = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(unmuted);
    EXPECT_EQ(noise, "");
}

TEST(Mixer, MissingSoundCardFailsQuietly) {
    const auto card = soundCardMixer(31);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(card->open());
    EXPECT_FALSE(card->capabilities());
    EXPECT_FALSE(card->findLine(LineType::Speakers));
    card->close();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
