// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

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

std::string waveFile(const WaveFormat& format, std::string_view data) {
    std::string b;
    auto put = [&b](std::size_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::size_t fmtSize = 16 + (format.extra.empty() ? 0 : 2 + format.extra.size());
    b += "RIFF";
    put(20 + fmtSize + data.size(), 4);
    b += "WAVEfmt ";
    put(fmtSize, 4);
    put(format.tag, 2);
    put(format.channels, 2);
    put(format.rate, 4);
    put(std::size_t{format.rate} * format.blockAlign, 4);
    put(format.blockAlign, 2);
    put(format.bits, 2);
    if (!format.extra.empty()) put(format.extra.size(), 2), b += format.extra;
    b += "data";
    put(data.size(), 4);
    return b += data;
}

std::string pcm16(const std::vector<std::int16_t>& samples) {
    std::string out;
    for (std::int16_t s : samples)
        out += static_cast<char>(s & 0xFF), out += static_cast<char>(s >> 8);
    return out;
}

bool writeWav(const char* path, const Track& track, int channels) {
    std::vector<std::int16_t> samples;
    for (float s : track)
        samples.push_back(
            static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    auto ch = static_cast<std::uint16_t>(channels);
    std::string bytes =
        waveFile({1, ch, kRate, 16, static_cast<std::uint16_t>(2 * ch), {}}, pcm16(samples));
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace soundgen
