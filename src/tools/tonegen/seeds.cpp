// SPDX-License-Identifier: GPL-3.0-or-later
// tumblix_tone_seeds FOLDER: the sound decoder's seed corpus for fuzzing, short tones in every
// format the game plays, files that change rate and channels part way, and damaged copies of some.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tone_file.h"

namespace {

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes size as the little-endian size field of the first chunk named id.
void declare(std::string& bytes, const char* id, std::uint32_t size) {
    std::size_t at = bytes.find(id);
    if (at == std::string::npos || at + 8 > bytes.size()) return;
    for (int i = 0; i < 4; ++i) bytes[at + 4 + i] = static_cast<char>(size >> (8 * i));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::string dir = argv[1];
    std::filesystem::create_directories(dir);
    const struct {
        const char* name;
        const char* encoder;
        int rate, channels;
    } tones[] = {
        {"u8.wav", "pcm_u8", 22050, 1},        {"s16.wav", "pcm_s16le", 44100, 2},
        {"ima.wav", "adpcm_ima_wav", 8000, 1}, {"ms.wav", "adpcm_ms", 11025, 2},
        {"tone.mp3", "libmp3lame", 44100, 2},  {"mono.mp3", "libmp3lame", 22050, 1},
        {"tone.mp2", "mp2", 32000, 2},         {"tone.wma", "wmav2", 44100, 2},
    };
    bool ok = true;
    for (const auto& t : tones)
        ok = tonegen::writeTone(dir + "/" + t.name, t.encoder, 880, 0.15, t.rate, t.channels) && ok;
    std::string stereo = bytesOf(dir + "/tone.mp3"), mono = bytesOf(dir + "/mono.mp3");
    put(dir + "/stereo-mono.mp3", stereo + mono);
    put(dir + "/rates.mp3", mono + stereo + mono);
    for (const char* name : {"tone.mp3", "s16.wav", "tone.wma"}) {
        std::string bytes = bytesOf(dir + "/" + name);
        put(dir + "/cut-" + name, bytes.substr(0, bytes.size() / 2));
        for (std::size_t i = 7; i < bytes.size(); i += 97) bytes[i] ^= 0x10;
        put(dir + "/flipped-" + name, bytes);
    }
    // A short file whose tag and data chunks declare gigabytes: reading it must cost what it holds.
    std::string huge = bytesOf(dir + "/ms.wav");
    declare(huge, "LIST", 0xf9ffff19);
    declare(huge, "data", 1476397056);
    put(dir + "/adpcm-declares-1.4GB.wav", huge.substr(0, 161));
    if (!ok) std::fprintf(stderr, "cannot write the seeds into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
