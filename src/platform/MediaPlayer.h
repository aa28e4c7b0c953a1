// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

struct _Mix_Music;
struct SoundLibrary;

// The main window's one sound player: opens a wave or MIDI file by name and
// starts it without waiting, keeping the numeric result of the last command and
// a text for it. Opening a file first stops and closes the sound opened before,
// so a new sound cuts off one that still plays. The sound libraries are loaded
// and the audio device is opened at the first open, so that start-up never
// waits for them, and the device is released when the player is destroyed. What the user is told
// about a failure is left to the window: the player itself never shows anything, and only a failed
// open throws.
class MediaPlayer {
public:
    // Result codes of the player's commands; Error() gives one of these.
    enum Code : int {
        Success = 0,
        NoFileName = 1,     // the file name is empty
        FileNotFound = 2,   // no file by that name
        CannotReadFile = 3, // the file exists but may not be read
        InvalidFile = 4,    // not a sound file the player can decode
        NoMidiSynth = 5,    // a MIDI file, but no sound font to play it with
        NoAudioDevice = 6,  // the audio output could not be opened
        NotOpen = 7,        // play without a successfully opened file
        PlayFailed = 8,     // the sound was opened but would not start
        NoSoundLibrary = 9, // SDL2 or SDL2_mixer could not be loaded
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
    void Open();
    // Starts the opened sound from its beginning and returns at once. Stores
    // its result code and never throws.
    void Play();

    int Error() const { return m_error; }
    // errorText(Error()), except that a library that could not be loaded is
    // named.
    std::string ErrorMessage() const;

    // The text for any result code; "Unknown error code" for codes without one.
    static std::string errorText(int code);

private:
    int openDevice();
    void closeSound();
    void closeDevice();
    int loadFailureCode() const;

    const SoundLibrary *m_library = nullptr;
    std::string m_libraryFailure;
    _Mix_Music *m_music = nullptr;
    bool m_deviceOpen = false;
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
