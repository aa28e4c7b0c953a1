// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <memory>
#include <optional>

// The search that clears the mute switch of a sound card's output, so that a
// timer is never silent because the speakers were muted. The search works on
// the small device interface below: the ALSA sound cards in the program, fake
// devices in tests. Telling the user that nothing could be unmuted is left to
// the caller; nothing here shows a message or throws.

// Kinds of output line, in the order the search prefers them.
enum class LineType { Speakers, Headphones, Line, WaveIn, Digital };
inline constexpr std::array<LineType, 5> LinePreference = {
    LineType::Speakers, LineType::Headphones, LineType::Line, LineType::WaveIn, LineType::Digital};

// Names one line of an opened device; meaningful only to that device.
using LineId = int;

// One mixer device, step by step. Every step reports whether it worked; after
// a successful open() the search always ends with close().
class MixerDevice {
public:
    virtual ~MixerDevice() = default;
    virtual bool open() = 0;
    // Reads the device's description; the search only needs it to succeed.
    virtual bool capabilities() = 0;
    virtual std::optional<LineId> findLine(LineType type) = 0;
    virtual bool hasMuteSwitch(LineId line) = 0;
    // muted is true when the line is silenced by its switch.
    virtual bool readMute(LineId line, bool &muted) = 0;
    virtual bool writeMute(LineId line, bool muted) = 0;
    virtual void close() = 0;
};

// The mixer devices of the machine, numbered from 0.
class MixerSystem {
public:
    virtual ~MixerSystem() = default;
    virtual int deviceCount() = 0;
    // The device with that number, or null when there is none.
    virtual std::unique_ptr<MixerDevice> device(int index) = 0;
};

// The attempt on one device: opens it, takes the first output line of the
// preferred kinds, and clears that line's mute switch unless it is already
// clear. True when the line is now unmuted.
bool unmuteDevice(MixerDevice &device);

// Tries the devices in order until one attempt succeeds; the rest are not
// touched. False when none succeeds, also when there is no device.
bool unmuteFirstDevice(MixerSystem &system);

// The mixer of ALSA sound card number card ("hw:card"), as the machine's
// mixer hands it out.
std::unique_ptr<MixerDevice> soundCardMixer(int card);

// The machine's mixer (ALSA sound cards), unless a replacement is set.
MixerSystem &systemMixer();
// Makes systemMixer() return the replacement, for tests of the windows that
// unmute; null restores the machine's mixer. The caller keeps ownership.
void setSystemMixer(MixerSystem *replacement);
