#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tumblix::test {

// Writes a RIFF wave file with the given format fields and data bytes as they are.
inline void writeWave(const std::string& path, std::uint16_t tag, std::uint16_t channels,
                      std::uint32_t rate, std::uint16_t bits, std::uint16_t blockAlign,
                      const std::vector<std::uint8_t>& data,
                      const std::vector<std::uint8_t>& codec = {}) {
    std::vector<std::uint8_t> b;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto tagText = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    // A codec's own format bytes follow their count.
    std::vector<std::uint8_t> extra;
    if (!codec.empty()) {
        extra.push_back(static_cast<std::uint8_t>(codec.size()));
        extra.push_back(0);
        extra.insert(extra.end(), codec.begin(), codec.end());
    }
    tagText("RIFF");
    put(static_cast<std::uint32_t>(28 + 16 + extra.size() + data.size()), 4);
    tagText("WAVE");
    tagText("fmt ");
    put(static_cast<std::uint32_t>(16 + extra.size()), 4);
    put(tag, 2);
    put(channels, 2);
    put(rate, 4);
    put(tag == 1 ? rate * blockAlign : rate * blockAlign / 2, 4);
    put(blockAlign, 2);
    put(bits, 2);
    b.insert(b.end(), extra.begin(), extra.end());
    tagText("data");
    put(static_cast<std::uint32_t>(data.size()), 4);
    b.insert(b.end(), data.begin(), data.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// 16-bit little-endian PCM bytes of the samples.
inline std::vector<std::uint8_t> pcm16(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> out;
    for (std::int16_t s : samples) {
        out.push_back(static_cast<std::uint8_t>(s & 0xFF));
        out.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
    }
    return out;
}

}  // namespace tumblix::test
