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
    std::vector<std::uint8_t> b;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
    };
    auto text = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    std::uint32_t fmtSize = 16 + (codec.empty() ? 0 : 2 + std::uint32_t(codec.size()));
    text("RIFF");
    put(20 + fmtSize + std::uint32_t(data.size()), 4);
    text("WAVE");
    text("fmt ");
    put(fmtSize, 4);
    for (auto [v, n] : {std::pair<std::uint32_t, int>{tag, 2},
                        {channels, 2},
                        {rate, 4},
                        {rate * blockAlign, 4},
                        {blockAlign, 2},
                        {bits, 2}})
        put(v, n);
    if (!codec.empty()) put(std::uint32_t(codec.size()), 2);
    b.insert(b.end(), codec.begin(), codec.end());
    text("data");
    put(std::uint32_t(data.size()), 4);
    b.insert(b.end(), data.begin(), data.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

}  // namespace tumblix::test
