// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QTimer;
class QuietAlsa;
struct _Mix_Music;
struct SoundLibrary;

// The program's one sound player, inside SoundPlayer: opens a wave or MIDI
// file by name and starts it without waiting, keeping the numeric result of the last command and
// a text for it. Opening a file first stops and closes the sound opened before,
// so a new sound cuts off one that still plays. The sound libraries are loaded
// and the audio device is opened at the first open, so that start-up never
// waits for them. What the user is told about a failure is left to the window:
// the player itself never shows anything, and only a failed open throws.
//
// The device is held only while it is needed: about one and a half seconds
// after the last sound has ended it is closed, so that an idle program is no
// stream in the desktop's volume control and lets the sound card sleep, and
// the next open or play opens it again. Opening it may ask the desktop's
// sound service over the session bus, which can hang; so it is opened on a
// thread of its own while the window's events go on (user input waits), and
// a device that has not opened after three seconds fails the sound with
// DeviceTimedOut at Play. A device that opens after that is closed again
// when it is not needed.
class MediaPlayer {
public:
    // Result codes of the player's commands; Error() gives one of these.
    enum Code : int {
        Success = 0,
        NoFileName = 1,      // the file name is empty
        FileNotFound = 2,    // no file by that name
        CannotReadFile = 3,  // the file exists but may not be read
        InvalidFile = 4,     // not a sound file the player can decode
        NoMidiSynth = 5,     // a MIDI file, but no sound font to play it with
        NoAudioDevice = 6,   // the audio output could not be opened
        NotOpen = 7,         // play without a successfully opened file
        PlayFailed = 8,      // the sound was opened but would not start
        NoSoundLibrary = 9,  // SDL2 or SDL2_mixer could not be loaded
        DeviceTimedOut = 10, // the audio output did not open in time
    };

    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer &) = delete;
    MediaPlayer &operator=(const MediaPlayer &) = delete;

    std::string FileName;
    // Whether the next command waits for completion. Here an open always
    // finishes before it returns and a play never waits for the sound's end,
    // so the flag is kept for the callers' sequence but changes nothing.
    bool Wait = true;

    // Lets the file's type choose the device. Sends no command, so the last
    // result stays as it was.
    void setAutoSelect() { m_autoSelect = true; }
    bool autoSelect() const { return m_autoSelect; }

    // Stops and closes the previous sound, then opens FileName. On failure
    // stores the code and throws MediaError with ErrorMessage() as its text.
    // A device that is late is no open failure: the Play after it fails.
    void Open();
    // Starts the opened sound from its beginning and returns at once. Stores
    // its result code and never throws. A repeating sound starts again each
    // time it ends, until Stop or the next Open.
    enum class Repeat { Once, UntilStopped };
    void Play(Repeat repeat = Repeat::Once);
    // Stops the sound; the device is let go as after a sound that ended, and
    // the next Play starts the same file again.
    void Stop();

    int Error() const { return m_error; }
    // errorText(Error()), except that a library that could not be loaded is
    // named.
    std::string ErrorMessage() const;

    // The text for any result code; "Unknown error code" for codes without one.
    static std::string errorText(int code);

    // For tests: how long a sound waits for the device, and a stand-in for a
    // slow sound service, run on the opening thread before the device opens.
    static void setDeviceOpenTimeout(std::chrono::milliseconds timeout);
    static void setBeforeDeviceOpen(std::function<void()> stall);

private:
    using Clock = std::chrono::steady_clock;
    struct Opening;

    int openDevice(Clock::time_point deadline);
    void startOpening();
    bool waitForOpening(Clock::time_point deadline);
    int takeOpening();
    int loadSound(const std::string &fileName);
    void closeSound();
    void closeDevice();
    void watchDevice();
    void startWatching();
    int loadFailureCode(const std::string &fileName) const;

    const SoundLibrary *m_library = nullptr;
    std::string m_libraryFailure;
    _Mix_Music *m_music = nullptr;
    // The file of the last successful open: a sound let go with the device
    // before it was played is loaded again by Play.
    std::string m_soundFile;
    bool m_deviceLate = false; // the open of m_soundFile found no device in time
    bool m_deviceOpen = false;
    std::shared_ptr<Opening> m_opening; // the device being opened, until taken
    std::unique_ptr<QuietAlsa> m_quiet; // while it is being opened
    std::unique_ptr<QTimer> m_watch;    // lets the device go when it is idle
    Clock::time_point m_quietSince;     // since when nothing has played
    int m_waits = 0;                    // opens and plays waiting for the device
    unsigned m_commands = 0;            // opens and plays so far
    bool m_autoSelect = false;
    int m_error = Success;
};

// The error a failed open raises; what() is the player's error text.
class MediaError : public std::runtime_error {
public:
    MediaError(int code, const std::string &message) : std::runtime_error(message), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};
