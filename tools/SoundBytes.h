// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The byte layouts of the two kinds of sound file the program plays, shared by
// the tool that writes the installed sounds and by the tests' sound files.

inline void putLE(std::string &out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void putBE(std::string &out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A WAV file of mono 16-bit PCM: `samples` holds them little-endian.
inline std::string monoWav(uint32_t rate, const std::string &samples) {
    std::string file = "RIFF";
    putLE(file, 36 + static_cast<uint32_t>(samples.size()), 4);
    file += "WAVEfmt ";
    putLE(file, 16, 4);
    putLE(file, 1, 2); // PCM
    putLE(file, 1, 2); // mono
    putLE(file, rate, 4);
    putLE(file, rate * 2, 4);
    putLE(file, 2, 2);
    putLE(file, 16, 2);
    file += "data";
    putLE(file, static_cast<uint32_t>(samples.size()), 4);
    return file + samples;
}

// A single-track (format 0) MIDI file: `track` holds its events.
inline std::string midiFile(uint32_t ticksPerQuarter, const std::string &track) {
    std::string file = "MThd";
    putBE(file, 6, 4);
    putBE(file, 0, 2); // format 0
    putBE(file, 1, 2); // one track
    putBE(file, ticksPerQuarter, 2);
    file += "MTrk";
    putBE(file, static_cast<uint32_t>(track.size()), 4);
    return file + track;
}
