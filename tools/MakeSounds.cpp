// SPDX-License-Identifier: MIT
// Writes the sounds installed with the program, so that a new user has
// something to pick under Options > Sounds: a bell-like WAV chime, a short
// MIDI tune, and a longer alarm that is hard to sleep through. Usage:
// MakeSounds <folder>; the folder must exist. Leaves choosing and playing
// them to the program.

#include "SoundBytes.h"

#include <algorithm>
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

// One struck note of a small bell added into `out` from `start` seconds on:
// a few partials dying away at their own rates, faded out after `length`.
void addBellNote(std::vector<double> &out, uint32_t rate, double start, double frequency,
                 double level, double length) {
    struct Partial {
        double ratio, level, decay;
    };
    const Partial partials[] = {
        {1.0, 0.55, 2.2}, {2.0, 0.22, 3.5}, {3.0, 0.10, 5.0}, {4.2, 0.06, 7.0}};
    const auto first = static_cast<size_t>(start * rate);
    const auto count = static_cast<size_t>(length * rate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double attack = std::min(1.0, t * 400.0);
        const double release = std::min(1.0, (length - t) * 20.0); // no click at the cut
        double value = 0;
        for (const Partial &p : partials)
            value += p.level * std::exp(-p.decay * t) *
                     std::sin(2 * std::numbers::pi * frequency * p.ratio * t);
        out[first + i] += level * attack * release * value;
    }
}

// About 25 s of a soft four-note bell call, every two seconds, from quiet to
// full strength over the first twenty seconds and climbing a third halfway,
// closed by a struck chord that dies away: a sound that wakes without
// startling and leaves no doubt that it is over. 22050 Hz mono 16-bit PCM.
std::string alarmWave() {
    const uint32_t rate = 22050;
    const int calls = 11;
    const double callLength = 2.0;
    const double chordAt = calls * callLength;
    const double chordLength = 3.2;
    std::vector<double> mix(static_cast<size_t>((chordAt + chordLength) * rate), 0.0);
    // The call is G5 C6 E6 G6; in the second half every other call lifts
    // its outer notes to A5 and A6.
    const double low[] = {783.99, 1046.50, 1318.51, 1567.98};
    const double high[] = {880.00, 1046.50, 1318.51, 1760.00};
    const double onsets[] = {0.0, 0.22, 0.44, 0.88};
    for (int call = 0; call < calls; ++call) {
        // From -20 dB up to full strength at the tenth call, then held.
        const double level = std::pow(10.0, -1.0 + std::min(1.0, call / 9.0));
        const double *notes = call >= calls / 2 && call % 2 == 1 ? high : low;
        for (int n = 0; n < 4; ++n)
            addBellNote(mix, rate, call * callLength + onsets[n], notes[n], level,
                        n == 3 ? 1.1 : 0.9);
    }
    for (const double frequency : {523.25, 659.26, 783.99, 1046.50})
        addBellNote(mix, rate, chordAt, frequency, 0.8, chordLength);

    double peak = 0;
    for (const double value : mix)
        peak = std::max(peak, std::abs(value));
    std::string data;
    for (const double value : mix) {
        const auto sample = static_cast<int16_t>(std::lround(26000 * value / peak));
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
                    writeFile(folder + "/tune.mid", tuneMidi()) &&
                    writeFile(folder + "/alarm.wav", alarmWave());
    return ok ? 0 : 1;
}
