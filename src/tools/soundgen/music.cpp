// SPDX-License-Identifier: GPL-3.0-or-later
#include "music.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace soundgen {

namespace {

constexpr double kBeat = 0.5;               // seconds, 120 beats a minute
constexpr double kChordLength = 8 * kBeat;  // two bars
constexpr int kChords = 8;
constexpr double kLength = kChords * kChordLength;  // 32 s

double hz(int midi) {
    return 440.0 * std::exp2((midi - 69) / 12.0);
}

// The looped stereo track being written; notes wrap around its end.
class Loop {
  public:
    Loop() : track_(2 * frames(kLength)) {}

    // Adds a note's samples v(t) from start for len seconds, balanced by pan in -1..1.
    template <typename F>
    void note(double start, double len, double pan, double gain, F v) {
        std::size_t n = frames(kLength), first = frames(start), count = frames(len);
        double left = gain * std::sqrt(0.5 * (1 - pan)), right = gain * std::sqrt(0.5 * (1 + pan));
        for (std::size_t i = 0; i < count; ++i) {
            double s = v(double(i) / kRate);
            std::size_t at = 2 * ((first + i) % n);
            track_[at] += static_cast<float>(left * s);
            track_[at + 1] += static_cast<float>(right * s);
        }
    }
    Track& track() { return track_; }

  private:
    Track track_;
};

struct Chord {
    int root;                  // bass note
    std::array<int, 3> tones;  // pad voicing
};
constexpr std::array<Chord, 4> kProgression{{
    {45, {57, 60, 64}},  // A minor
    {41, {57, 60, 65}},  // F
    {48, {55, 60, 64}},  // C
    {43, {55, 59, 62}},  // G
}};

// Each chord swells in over 0.6 s while the previous one fades out over the same time.
void pad(Loop& loop, double start, const Chord& c) {
    double len = kChordLength + 0.6;
    for (int tone : c.tones)
        for (double detune : {-0.0015, 0.0015}) {
            double f = hz(tone) * (1 + detune);
            loop.note(start, len, detune < 0 ? -0.4 : 0.4, 0.05, [=](double t) {
                double fade = std::min(1.0, (len - t) / 0.6);
                return envelope(t, len, 0.6, 0) * (0.5 - 0.5 * std::cos(kPi * fade)) *
                       (std::sin(2 * kPi * f * t) + 0.25 * std::sin(4 * kPi * f * t));
            });
        }
}

void bass(Loop& loop, double start, const Chord& c) {
    for (int beat = 0; beat < 8; ++beat) {
        double f = hz(c.root + (beat % 4 == 3 ? 7 : 0));
        loop.note(start + beat * kBeat, 0.45, 0, 0.22, [=](double t) {
            return envelope(t, 0.45, 0.006, 0.12) *
                   (std::sin(2 * kPi * f * t) + 0.3 * std::sin(4 * kPi * f * t));
        });
    }
}

void arpeggio(Loop& loop, double start, const Chord& c, bool second) {
    constexpr std::array<int, 8> kUp{0, 1, 2, 3, 2, 1, 0, 1};
    constexpr std::array<int, 8> kWave{0, 2, 1, 3, 0, 2, 3, 1};
    for (int step = 0; step < 16; ++step) {
        int idx = (second ? kWave : kUp)[static_cast<std::size_t>(step % 8)];
        int midi = idx == 3 ? c.tones[0] + 12 : c.tones[static_cast<std::size_t>(idx)];
        double f = hz(midi + 12);
        loop.note(start + step * kBeat / 2, 0.5, step % 2 ? 0.35 : -0.35, 0.09, [=](double t) {
            return envelope(t, 0.5, 0.003, 0.09) *
                   (std::sin(2 * kPi * f * t) +
                    0.2 * std::sin(6 * kPi * f * t) * std::exp(-t * 20));
        });
    }
}

void hats(Loop& loop, double start, std::uint32_t seed) {
    for (int beat = 0; beat < 8; ++beat) {
        Noise noise(seed + static_cast<std::uint32_t>(beat));
        LowPass lp;
        loop.note(start + beat * kBeat + kBeat / 2, 0.06, 0.2, 0.05, [&](double t) {
            double n = noise.next();
            return envelope(t, 0.06, 0.001, 0.012) * (n - lp.step(n, 5000));
        });
    }
}

}  // namespace

Track backgroundMusic() {
    Loop loop;
    for (int i = 0; i < kChords; ++i) {
        const Chord& c = kProgression[static_cast<std::size_t>(i % 4)];
        double start = i * kChordLength;
        pad(loop, start, c);
        bass(loop, start, c);
        arpeggio(loop, start, c, i >= 4);
        hats(loop, start, 1000u + static_cast<std::uint32_t>(i) * 17u);
    }
    normalize(loop.track(), 0.7);
    return loop.track();
}

}  // namespace soundgen
