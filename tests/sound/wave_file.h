// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

}  // namespace tumblix::test
