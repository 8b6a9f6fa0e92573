// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace soundgen {

double envelope(double t, double length, double attack, double halfLife) {
    if (t < 0 || t >= length) return 0;
    constexpr double kFade = 0.006;
    double rise = t < attack ? 0.5 - 0.5 * std::cos(kPi * t / attack) : 1.0;
    double decay = halfLife > 0 ? std::exp2(-std::max(0.0, t - attack) / halfLife) : 1.0;
    double left = length - t;
    double fall = left < kFade ? 0.5 - 0.5 * std::cos(kPi * left / kFade) : 1.0;
    return rise * decay * fall;
}

double Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

double LowPass::step(double in, double cutoffHz) {
    double a = 1.0 - std::exp(-2.0 * kPi * cutoffHz / kRate);
    out_ += a * (in - out_);
    return out_;
}

void normalize(Track& track, double peak) {
    float top = 0;
    for (float s : track) top = std::max(top, std::fabs(s));
    if (top <= 0) return;
    for (float& s : track) s = static_cast<float>(s * peak / top);
}

namespace {
void put(std::FILE* f, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((v >> (8 * i)) & 0xFF), f);
}
}  // namespace

bool writeWav(const char* path, const Track& track, int channels) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    auto dataBytes = static_cast<std::uint32_t>(track.size() * 2);
    auto ch = static_cast<std::uint32_t>(channels);
    std::fputs("RIFF", f);
    put(f, 36 + dataBytes, 4);
    std::fputs("WAVEfmt ", f);
    put(f, 16, 4);
    put(f, 1, 2);  // PCM
    put(f, ch, 2);
    put(f, kRate, 4);
    put(f, kRate * 2 * ch, 4);
    put(f, 2 * ch, 2);
    put(f, 16, 2);
    std::fputs("data", f);
    put(f, dataBytes, 4);
    for (float s : track) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put(f, static_cast<std::uint32_t>(v) & 0xFFFF, 2);
    }
    return std::fclose(f) == 0;
}

}  // namespace soundgen
