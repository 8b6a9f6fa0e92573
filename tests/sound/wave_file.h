// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "synth.h"

namespace tumblix::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes pcm16(const std::vector<std::int16_t>& samples) {
    std::string b = soundgen::pcm16(samples);
    return {b.begin(), b.end()};
}

// A wave file with the given format fields; codec: a codec's own format bytes, if any.
inline void writeWave(const std::string& path, std::uint16_t tag, std::uint16_t channels,
                      std::uint32_t rate, std::uint16_t bits, std::uint16_t blockAlign,
                      const Bytes& data, const Bytes& codec = {}) {
    soundgen::WaveFormat format{tag,  channels,   rate,
                                bits, blockAlign, {codec.begin(), codec.end()}};
    std::ofstream(path, std::ios::binary)
        << soundgen::waveFile(format, std::string(data.begin(), data.end()));
}

// Makes OpenAL mix in real time into a wave file in dir (float stereo, 44.1 kHz) instead of a
// sound card, and returns the file's path. Only before OpenAL's first call.
inline std::string useWaveBackend(const QTemporaryDir& dir) {
    std::string output = dir.filePath("out.wav").toStdString();
    std::string conf = dir.filePath("alsoft.conf").toStdString();
    std::ofstream(conf)
        << "[general]\nchannels = stereo\nfrequency = 44100\nsample-type = float32\n"
           "period_size = 256\n[wave]\nfile = "
        << output << "\n";
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    return output;
}

// One side (0 left, 1 right) of what the wave backend wrote.
inline std::vector<float> renderedSide(const std::string& output, int side) {
    std::ifstream in(output, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> samples;
    float frame[2];
    for (std::size_t at = bytes.find("data") + 8; at + 8 <= bytes.size(); at += 8)
        samples.push_back((std::memcpy(frame, bytes.data() + at, sizeof frame), frame[side]));
    return samples;
}

}  // namespace tumblix::test
