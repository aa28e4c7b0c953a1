// SPDX-License-Identifier: MIT
#include "platform/Mixer.h"
#include "platform/AlsaLibrary.h"
#include "platform/QuietAlsa.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The simple mixer elements that stand for each kind of output line, in the
// order they are looked for.
std::vector<const char *> elementNames(LineType type) {
    switch (type) {
    case LineType::Speakers:
        return {"Master", "Speaker"};
    case LineType::Headphones:
        return {"Headphone"};
    case LineType::Line:
        return {"Line Out"};
    case LineType::WaveIn:
        return {"PCM"};
    case LineType::Digital:
        return {"IEC958"};
    }
    return {};
}

// One sound card's mixer. Lines are the simple elements found on it.
class AlsaMixerDevice : public MixerDevice {
public:
    explicit AlsaMixerDevice(int card) : m_card(card), m_alsa(alsaLibrary()) {}
    ~AlsaMixerDevice() override { close(); }
    AlsaMixerDevice(const AlsaMixerDevice &) = delete;
    AlsaMixerDevice &operator=(const AlsaMixerDevice &) = delete;

    bool open() override {
        QuietAlsa quiet;
        close();
        if (!m_alsa || m_alsa->mixerOpen(&m_mixer, 0) < 0) {
            m_mixer = nullptr;
            return false;
        }
        const std::string name = "hw:" + std::to_string(m_card);
        if (m_alsa->mixerAttach(m_mixer, name.c_str()) < 0 ||
            m_alsa->registerElements(m_mixer, nullptr, nullptr) < 0 ||
            m_alsa->mixerLoad(m_mixer) < 0) {
            close();
            return false;
        }
        return true;
    }

    bool capabilities() override {
        QuietAlsa quiet;
        char *name = nullptr;
        if (!m_alsa || m_alsa->cardGetName(m_card, &name) < 0)
            return false;
        std::free(name);
        return true;
    }

    std::optional<LineId> findLine(LineType type) override {
        QuietAlsa quiet;
        if (!m_mixer)
            return std::nullopt;
        for (const char *name : elementNames(type)) {
            snd_mixer_selem_id_t *id = nullptr;
            if (m_alsa->idMalloc(&id) < 0)
                return std::nullopt;
            m_alsa->idSetIndex(id, 0);
            m_alsa->idSetName(id, name);
            snd_mixer_elem_t *element = m_alsa->findElement(m_mixer, id);
            m_alsa->idFree(id);
            // Only an element that carries sound out counts as an output line.
            if (element && m_alsa->isActive(element) &&
                (m_alsa->hasPlaybackVolume(element) || m_alsa->hasPlaybackSwitch(element))) {
                m_lines.push_back(element);
                return static_cast<LineId>(m_lines.size() - 1);
            }
        }
        return std::nullopt;
    }

    bool hasMuteSwitch(LineId line) override {
        snd_mixer_elem_t *element = lineElement(line);
        return element && m_alsa->hasPlaybackSwitch(element);
    }

    // Muted when the switch of any channel is off: one silenced side is
    // enough to miss an alarm.
    bool readMute(LineId line, bool &muted) override {
        QuietAlsa quiet;
        snd_mixer_elem_t *element = lineElement(line);
        if (!element)
            return false;
        bool read = false;
        muted = false;
        for (int channel = 0; channel <= SND_MIXER_SCHN_LAST; ++channel) {
            const auto id = static_cast<snd_mixer_selem_channel_id_t>(channel);
            if (!m_alsa->hasPlaybackChannel(element, id))
                continue;
            int on = 1;
            if (m_alsa->getPlaybackSwitch(element, id, &on) < 0)
                return false;
            read = true;
            if (!on)
                muted = true;
        }
        return read;
    }

    bool writeMute(LineId line, bool muted) override {
        QuietAlsa quiet;
        snd_mixer_elem_t *element = lineElement(line);
        return element && m_alsa->setPlaybackSwitchAll(element, muted ? 0 : 1) >= 0;
    }

    void close() override {
        m_lines.clear();
        if (!m_mixer)
            return;
        QuietAlsa quiet;
        m_alsa->mixerClose(m_mixer);
        m_mixer = nullptr;
    }

private:
    snd_mixer_elem_t *lineElement(LineId line) const {
        if (!m_mixer || line < 0 || static_cast<size_t>(line) >= m_lines.size())
            return nullptr;
        return m_lines[static_cast<size_t>(line)];
    }

    int m_card;
    const AlsaLibrary *m_alsa;
    snd_mixer_t *m_mixer = nullptr;
    std::vector<snd_mixer_elem_t *> m_lines;
};

// The sound cards, numbered in ALSA's order; the numbering is taken afresh at
// every count, so a card plugged in meanwhile is found at the next search.
class AlsaMixerSystem : public MixerSystem {
public:
    int deviceCount() override {
        QuietAlsa quiet;
        m_cards.clear();
        const AlsaLibrary *alsa = alsaLibrary();
        int card = -1;
        while (alsa && alsa->cardNext(&card) == 0 && card >= 0)
            m_cards.push_back(card);
        return static_cast<int>(m_cards.size());
    }

    std::unique_ptr<MixerDevice> device(int index) override {
        if (index < 0 || static_cast<size_t>(index) >= m_cards.size())
            return nullptr;
        return soundCardMixer(m_cards[static_cast<size_t>(index)]);
    }

private:
    std::vector<int> m_cards;
};

MixerSystem *&replacementMixer() {
    static MixerSystem *replacement = nullptr;
    return replacement;
}

} // namespace

bool unmuteDevice(MixerDevice &device) {
    if (!device.open())
        return false;
    struct Closer {
        MixerDevice &device;
        ~Closer() { device.close(); }
    } closer{device};

    if (!device.capabilities())
        return false;
    std::optional<LineId> line;
    for (LineType type : LinePreference) {
        line = device.findLine(type);
        if (line)
            break;
    }
    if (!line || !device.hasMuteSwitch(*line))
        return false;
    bool muted = true;
    if (!device.readMute(*line, muted))
        return false;
    // A switch that is already clear is left alone.
    if (muted && !device.writeMute(*line, false))
        return false;
    return true;
}

bool unmuteFirstDevice(MixerSystem &system) {
    const int count = system.deviceCount();
    for (int index = 0; index < count; ++index) {
        const std::unique_ptr<MixerDevice> device = system.device(index);
        if (device && unmuteDevice(*device))
            return true;
    }
    return false;
}

std::unique_ptr<MixerDevice> soundCardMixer(int card) {
    return std::make_unique<AlsaMixerDevice>(card);
}

MixerSystem &systemMixer() {
    if (replacementMixer())
        return *replacementMixer();
    static AlsaMixerSystem alsa;
    return alsa;
}

void setSystemMixer(MixerSystem *replacement) {
    replacementMixer() = replacement;
}
