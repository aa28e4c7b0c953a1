// SPDX-License-Identifier: MIT
// Sound playback and the speakers' mute switch: the main window's play
// sequences and the two sound tests of the File menu.
#include "app/TMainForm.h"

#include "platform/Dialogs.h"
#include "platform/Mixer.h"

void TMainForm::UnmuteSpeakers() {
    if (!unmuteFirstDevice(systemMixer()))
        showMessage("Could not unmute speakers", "Oops");
}

void TMainForm::PlaySoundFile(const std::string &file) {
    MediaPlayer1.Wait = false;
    try {
        MediaPlayer1.FileName = file;
        MediaPlayer1.Open();
        UnmuteSpeakers();
        MediaPlayer1.Play();
        if (MediaPlayer1.Error() != 0)
            showMessage("Play failed: " + MediaPlayer1.ErrorMessage(), "Error");
    } catch (...) {
        showMessage(MediaPlayer1.ErrorMessage(), "Error");
    }
}

// The alarm's variant: an open failure is not caught here but leaves the
// caller's handler for the standard exception display.
void TMainForm::PlaySoundFileUnguarded(const std::string &file) {
    MediaPlayer1.FileName = file;
    MediaPlayer1.Open();
    UnmuteSpeakers();
    MediaPlayer1.Play();
}

void TMainForm::TestTimerSound() {
    if (TimerSoundFile.size() < 2) {
        showMessage(
            "There is no file name given for the timer. Use Options to choose the wave, midi "
            "or other file to play for the timer.",
            "No timer sound file!");
        return;
    }
    PlaySoundFile(TimerSoundFile);
}

void TMainForm::TestAlarmSound() {
    if (AlarmSoundFile.size() < 2) {
        showMessage("There is no file name given for the alarm. Use Options to choose the wav/mid "
                    "file to play for the alarm.",
                    "No alarm sound file!");
        return;
    }
    PlaySoundFile(AlarmSoundFile);
}
