// SPDX-License-Identifier: GPL-3.0-or-later
#include "effects.h"

#include <array>
#include <cmath>
#include <functional>

namespace soundgen {

namespace {

// A mono track of the given length filled by f(t) for t in seconds.
Track render(double length, const std::function<double(double)>& f) {
    Track out(frames(length));
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<float>(f(double(i) / kRate));
    normalize(out, 0.85);
    return out;
}

// A struck bell-like note: a sine with a quieter octave and twelfth, each fading faster.
double bell(double t, double hz) {
    return std::sin(2 * kPi * hz * t) + 0.3 * std::sin(4 * kPi * hz * t) * std::exp(-t * 12) +
           0.12 * std::sin(6 * kPi * hz * t) * std::exp(-t * 20);
}

}  // namespace

Track tick(double pitchHz, std::uint32_t seed) {
    constexpr double kLength = 0.08;
    Noise noise(seed);
    LowPass lp;
    return render(kLength, [&](double t) {
        double w = 2 * kPi * pitchHz * t;
        double click = lp.step(noise.next(), 6000) * std::exp(-t * 300);
        double tone = std::sin(w) + 0.25 * std::sin(3 * w) + 0.1 * std::sin(5 * w);
        return envelope(t, kLength, 0.001, 0.05) * (tone + 0.5 * click);
    });
}

Track blip() {
    double phase = 0;
    return render(0.09, [&](double t) {
        phase += 2 * kPi * (700 + 9000 * t) / kRate;
        return envelope(t, 0.09, 0.004, 0.03) * (std::sin(phase) + 0.2 * std::sin(2 * phase));
    });
}

Track whoosh(double fromHz, double toHz, double len, std::uint32_t seed) {
    Noise noise(seed);
    LowPass a, b;
    return render(len, [&](double t) {
        double x = t / len;
        double cutoff = fromHz * std::pow(toHz / fromHz, x);
        double swell = std::sin(kPi * x);
        return envelope(t, len, 0.02, 0) * swell * swell *
               b.step(a.step(noise.next(), cutoff), cutoff);
    });
}

Track thud(double pitchHz, std::uint32_t seed) {
    Noise noise(seed);
    LowPass lp;
    double phase = 0;
    return render(0.22, [&](double t) {
        phase += 2 * kPi * pitchHz * (1 + 1.5 * std::exp(-t * 40)) / kRate;
        double knock = lp.step(noise.next(), 2500) * std::exp(-t * 60);
        double wood = 1.2 * std::sin(5.5 * phase) * std::exp(-t * 20) +
                      0.6 * std::sin(9.2 * phase) * std::exp(-t * 30);
        return envelope(t, 0.22, 0.002, 0.045) * (std::sin(phase) + wood + 0.8 * knock);
    });
}

Track chord() {
    constexpr std::array<double, 4> kNotes{523.25, 659.26, 783.99, 1046.5};  // C E G C
    return render(0.7, [&](double t) {
        double sum = 0;
        for (std::size_t n = 0; n < kNotes.size(); ++n) {
            double start = 0.045 * double(n);
            sum += envelope(t - start, 0.7 - start, 0.003, 0.16) * bell(t - start, kNotes[n]);
        }
        return sum;
    });
}

Track sparkle() {
    constexpr std::array<double, 7> kNotes{2093.0, 2637.0, 3136.0, 2349.3, 3520.0, 2793.8, 4186.0};
    return render(0.6, [&](double t) {
        double sum = 0;
        for (std::size_t n = 0; n < kNotes.size(); ++n) {
            double start = 0.055 * double(n);
            double gain = 1.0 - 0.08 * double(n);
            sum +=
                gain * envelope(t - start, 0.6 - start, 0.002, 0.05) * bell(t - start, kNotes[n]);
        }
        return sum;
    });
}

Track warble() {
    double phase = 0;
    return render(0.32, [&](double t) {
        double x = t / 0.32;
        double hz = 300 + 500 * (2 * x - 1) * (2 * x - 1) + 25 * std::sin(2 * kPi * 30 * t);
        phase += 2 * kPi * hz / kRate;
        return envelope(t, 0.32, 0.01, 0.2) * (std::sin(phase) + 0.35 * std::sin(3 * phase));
    });
}

}  // namespace soundgen
