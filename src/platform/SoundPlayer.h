// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MediaPlayer.h"

#include <string>

// The program's one way to make a sound: the media player, and the speakers'
// mute switch turned off before a countdown, an alarm or a sound starts. The
// main window owns it; the countdown and the alarm are handed it. What to play
// and when is theirs.
class SoundPlayer {
public:
    // Opens the player on the first sound device; false when it does not work.
    bool selectDevice();

    // Unmutes the first sound card's output, with a box when it cannot.
    void UnmuteSpeakers();

    // Opens and plays the file; every failure is shown in a box.
    void PlaySoundFile(const std::string &file);

    // The alarm's variant: an open failure is not caught here but leaves the
    // caller's handler for the standard exception display. A repeating sound
    // plays until stopSound() or the next sound.
    void PlaySoundFileUnguarded(const std::string &file, bool repeat = false);

    // Each sound opened counts one; stopSound stops the sound of that number
    // only while it is still the current one, so the alarm's Stop never cuts
    // off a countdown's sound that has replaced its own.
    unsigned soundNumber() const { return m_sounds; }
    void stopSound(unsigned number);

private:
    MediaPlayer MediaPlayer1;
    unsigned m_sounds = 0;
};
