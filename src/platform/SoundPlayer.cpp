// SPDX-License-Identifier: MIT
#include "platform/SoundPlayer.h"

#include "platform/Dialogs.h"
#include "platform/Mixer.h"

bool SoundPlayer::selectDevice() {
    MediaPlayer1.setAutoSelect();
    return MediaPlayer1.Error() == 0;
}

void SoundPlayer::UnmuteSpeakers() {
    if (!unmuteFirstDevice(systemMixer()))
        showMessage("Could not unmute speakers", "Oops");
}

void SoundPlayer::PlaySoundFile(const std::string &file) {
    MediaPlayer1.Wait = false;
    try {
        MediaPlayer1.FileName = file;
        ++m_sounds;
        MediaPlayer1.Open();
        UnmuteSpeakers();
        MediaPlayer1.Play();
        if (MediaPlayer1.Error() != 0)
            showMessage("Play failed: " + MediaPlayer1.ErrorMessage(), "Error");
    } catch (...) {
        showMessage(MediaPlayer1.ErrorMessage(), "Error");
    }
}

void SoundPlayer::PlaySoundFileUnguarded(const std::string &file, bool repeat) {
    MediaPlayer1.FileName = file;
    ++m_sounds;
    MediaPlayer1.Open();
    UnmuteSpeakers();
    MediaPlayer1.Play(repeat ? MediaPlayer::Repeat::UntilStopped : MediaPlayer::Repeat::Once);
}

void SoundPlayer::stopSound(unsigned number) {
    if (number == m_sounds)
        MediaPlayer1.Stop();
}
