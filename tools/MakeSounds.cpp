// SPDX-License-Identifier: MIT
// Writes the two sounds installed with the program, so that a new user has
// something to pick under Options > Sounds: a bell-like WAV chime and a short
// MIDI tune. Usage: MakeSounds <folder>; the folder must exist. Leaves
// choosing and playing them to the program.

#include "SoundBytes.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

// 1.5 s of struck-bell partials, each dying away at its own rate, as 22050 Hz
// mono 16-bit PCM. The partial ratios of a tuned bell give it its ring.
std::string chimeWave() {
    const uint32_t rate = 22050;
    const uint32_t samples = rate * 3 / 2;
    struct Partial {
        double ratio, level, decay;
    };
    const Partial partials[] = {
        {0.5, 0.30, 1.6}, {1.0, 0.50, 2.4}, {1.19, 0.25, 3.2},
        {1.5, 0.20, 3.8}, {2.0, 0.30, 4.5}, {2.51, 0.12, 6.0},
    };
    const double base = 880.0;
    std::string data;
    for (uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double attack = std::min(1.0, t * 400.0); // no click at the start
        double value = 0;
        for (const Partial &p : partials)
            value += p.level * std::exp(-p.decay * t) *
                     std::sin(2 * std::numbers::pi * base * p.ratio * t);
        const auto sample = static_cast<int16_t>(std::lround(14000 * attack * value));
        putLE(data, static_cast<uint16_t>(sample), 2);
    }
    return monoWav(rate, data);
}

void putVarLen(std::string &out, uint32_t value) {
    std::string bytes(1, static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0)
        bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    out += bytes;
}

// A rising call of eight notes on the glockenspiel, about three seconds long,
// as a single-track MIDI file.
std::string tuneMidi() {
    const int ticksPerQuarter = 96;
    struct Note {
        int key, ticks;
    };
    const Note notes[] = {{72, 48}, {76, 48}, {79, 48}, {84, 96},
                          {79, 48}, {84, 48}, {88, 96}, {84, 192}};
    std::string track;
    putVarLen(track, 0);
    track += "\xFF\x51\x03"; // tempo: 600000 us per quarter note (100 bpm)
    putBE(track, 600000, 3);
    putVarLen(track, 0);
    track += "\xC0\x09"; // program 10, glockenspiel
    for (const Note &n : notes) {
        putVarLen(track, 0);
        track += '\x90';
        track += static_cast<char>(n.key);
        track += static_cast<char>(100);
        putVarLen(track, static_cast<uint32_t>(n.ticks));
        track += '\x80';
        track += static_cast<char>(n.key);
        track += '\0';
    }
    putVarLen(track, 0);
    track += "\xFF\x2F";
    track += '\0';

    return midiFile(ticksPerQuarter, track);
}

bool writeFile(const std::string &path, const std::string &content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    out.close();
    if (!out) {
        std::fprintf(stderr, "MakeSounds: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeSounds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = writeFile(folder + "/chime.wav", chimeWave()) &&
                    writeFile(folder + "/tune.mid", tuneMidi());
    return ok ? 0 : 1;
}
