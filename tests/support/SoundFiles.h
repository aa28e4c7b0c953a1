// SPDX-License-Identifier: MIT
#pragma once

#include "SoundBytes.h" // in tools/, shared with the sound maker

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Sound files made on the spot for the tests, and a reading of what SDL's disk
// audio driver wrote, so that a test can tell that a sound was heard.

// A mono 16-bit sine tone as a WAV file.
inline std::string sineWave(double seconds, double frequency = 440.0) {
    const uint32_t rate = 22050;
    const auto samples = static_cast<uint32_t>(seconds * rate);
    std::string data;
    for (uint32_t i = 0; i < samples; ++i)
        putLE(data,
              static_cast<uint16_t>(
                  static_cast<int16_t>(12000 * std::sin(2 * M_PI * frequency * i / rate))),
              2);
    return monoWav(rate, data);
}

// A single-track MIDI file: a piano chord held for about a second.
inline std::string midiChord() {
    const unsigned char events[] = {
        0x00, 0xC0, 0x00,          // piano
        0x00, 0x90, 60,   100,     // note on C
        0x00, 0x90, 64,   100,     // E
        0x00, 0x90, 67,   100,     // G
        0x81, 0x40, 0x80, 60,   0, // 192 ticks later: notes off
        0x00, 0x80, 64,   0,       //
        0x00, 0x80, 67,   0,       //
        0x00, 0xFF, 0x2F, 0x00,    // end of track
    };
    return midiFile(96, std::string(reinterpret_cast<const char *>(events), sizeof events));
}

// A tone followed by silence, so that a sound played again and again shows
// as separate bursts.
inline std::string toneThenSilence(double toneSeconds, double silenceSeconds) {
    const std::string tone = sineWave(toneSeconds);
    // The data of a mono WAV begins after its 44-byte header.
    std::string data = tone.substr(44);
    data.append(2 * static_cast<size_t>(silenceSeconds * 22050), '\0');
    return monoWav(22050, data);
}

struct NamedSound {
    const char *name;
    std::string content;
};

// A short sound of each kind the player plays: a wave and a MIDI file.
inline std::vector<NamedSound> soundOfEachKind() {
    return {{"tone.wav", sineWave(0.5)}, {"chord.mid", midiChord()}};
}

inline void writeFile(const std::string &path, const std::string &content) {
    std::ofstream(path, std::ios::binary) << content;
}

// The 16-bit samples the disk audio driver has written to its file so far.
inline std::vector<int16_t> diskAudioSamples(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<int16_t> result;
    int16_t sample;
    while (in.read(reinterpret_cast<char *>(&sample), sizeof sample))
        result.push_back(sample);
    return result;
}

// How many times sound starts after silence from the given sample on: loud
// samples with at least `gap` quiet ones between them count as one.
inline size_t audibleBursts(const std::vector<int16_t> &samples, size_t from = 0,
                            size_t gap = 4000) {
    size_t bursts = 0;
    size_t quiet = gap;
    for (size_t i = from; i < samples.size(); ++i) {
        if (std::abs(samples[i]) <= 300) {
            ++quiet;
            continue;
        }
        if (quiet >= gap)
            ++bursts;
        quiet = 0;
    }
    return bursts;
}

// Whether any sample from the given one on is louder than background noise.
inline bool audible(const std::vector<int16_t> &samples, size_t from = 0) {
    for (size_t i = from; i < samples.size(); ++i)
        if (std::abs(samples[i]) > 300)
            return true;
    return false;
}

// Whether SDL's disk audio driver holds its output file open in this process,
// that is, whether the audio device is open.
inline bool diskDeviceHeld(const std::string &output) {
    std::error_code error;
    for (const auto &fd : std::filesystem::directory_iterator("/proc/self/fd"))
        if (std::filesystem::read_symlink(fd.path(), error) == output)
            return true;
    return false;
}
