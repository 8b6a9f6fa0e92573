// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace soundgen {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// Samples in -1..1; a stereo track interleaves left and right.
using Track = std::vector<float>;

// Seconds as a whole number of frames.
inline std::size_t frames(double seconds) {
    return static_cast<std::size_t>(seconds * kRate + 0.5);
}

// A loudness shape over a sound's length: a raised-cosine attack, an exponential decay with the
// given half-life, and a short cosine fade to silence at the end, so no sound starts or stops
// with a click.
double envelope(double t, double length, double attack, double halfLife);

// A deterministic white-noise source.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next();

  private:
    std::uint32_t state_;
};

// A one-pole low-pass filter whose cut-off may change from sample to sample.
class LowPass {
  public:
    double step(double in, double cutoffHz);

  private:
    double out_ = 0;
};

// Scales the track so its loudest sample reaches peak.
void normalize(Track& track, double peak);

// A wave file's format fields; extra: a codec's own format bytes, if any.
struct WaveFormat {
    std::uint16_t tag, channels;
    std::uint32_t rate;
    std::uint16_t bits, blockAlign;
    std::string extra;
};

// A whole wave file: its header, the format chunk and one data chunk holding data.
std::string waveFile(const WaveFormat& format, std::string_view data);

// 16-bit little-endian bytes of the samples.
std::string pcm16(const std::vector<std::int16_t>& samples);

// Writes a 16-bit PCM wave file; false when the file cannot be written.
bool writeWav(const char* path, const Track& track, int channels);

}  // namespace soundgen
