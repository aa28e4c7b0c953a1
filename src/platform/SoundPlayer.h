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
    // caller's handler for the standard exception display.
    void PlaySoundFileUnguarded(const std::string &file);

private:
    MediaPlayer MediaPlayer1;
};
