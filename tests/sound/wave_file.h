// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tumblix::test {

// 16-bit little-endian bytes of the samples.
inline std::vector<std::uint8_t> pcm16(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> out;
    for (std::int16_t s : samples)
        out.push_back(std::uint8_t(s)), out.push_back(std::uint8_t(s >> 8));
    return out;
}

// A wave file with the given format fields; codec: a codec's own format bytes, if any.
inline void writeWave(const std::string& path, std::uint16_t tag, std::uint16_t channels,
                      std::uint32_t rate, std::uint16_t bits, std::uint16_t blockAlign,
                      const std::vector<std::uint8_t>& data,
                      const std::vector<std::uint8_t>& codec = {}) {
    std::string b;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b += char(v >> (8 * i));
    };
    std::uint32_t fmtSize = 16 + (codec.empty() ? 0 : 2 + std::uint32_t(codec.size()));
    b += "RIFF";
    put(20 + fmtSize + std::uint32_t(data.size()), 4);
    b += "WAVEfmt ";
    put(fmtSize, 4);
    put(tag, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * blockAlign, 4);
    put(blockAlign, 2);
    put(bits, 2);
    if (!codec.empty()) put(std::uint32_t(codec.size()), 2);
    b.append(codec.begin(), codec.end());
    b += "data";
    put(std::uint32_t(data.size()), 4);
    b.append(data.begin(), data.end());
    std::ofstream(path, std::ios::binary) << b;
}

}  // namespace tumblix::test
