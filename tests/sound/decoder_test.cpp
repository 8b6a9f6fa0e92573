// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_stream.h"

#include <gtest/gtest.h>

#include <thread>

#include "sound/path_lookup.h"
#include "sound/wave_file.h"
#include "sound/wave_reader.h"
#include "support/temp_folder.h"
#include "tonegen/tone_file.h"

namespace tumblix {
namespace {

using namespace std::chrono_literals;

// Four bytes, big-endian, of `bits` bits each (ID3's sizes).
std::string bigEndian(std::size_t v, int bits) {
    std::string s;
    for (int i = 3; i >= 0; --i) s += char(v >> (i * bits) & ((1u << bits) - 1));
    return s;
}

struct AudioStreamTest : ::testing::Test {
    // MP2 parts of 1 kHz, each 0.5 s at its rate and channels, joined into one file.
    std::string joined(std::initializer_list<std::pair<int, int>> parts) {
        std::string bytes, name = "joined";
        for (auto [rate, channels] : parts) {
            tonegen::writeTone(dir / "part.mp2", "mp2", 1000, 0.5, rate, channels);
            bytes += test::fileBytes(dir / "part.mp2");
            name += std::to_string(rate + channels);
        }
        std::ofstream(dir / (name + ".mp2"), std::ios::binary) << bytes;
        return dir / (name + ".mp2");
    }
    // The frames from ms on (-1: from the start), read after a wait.
    std::vector<std::int16_t> decode(const std::string& path, std::int64_t ms = -1,
                                     std::chrono::milliseconds wait = {}) {
        std::vector<std::int16_t> pcm;
        std::unique_ptr<AudioStream> stream = AudioStream::open(path);
        EXPECT_TRUE(stream && (ms < 0 || stream->seek(ms))) << path;
        std::this_thread::sleep_for(wait);
        while (stream && stream->read(pcm, 4096) > 0) {
        }
        EXPECT_FALSE(stream && stream->failed());
        return pcm;
    }
    test::TempFolder dir;
};

// Opened only once the caller no longer asks it to stop. At each change the resampler gives
// out what it holds: the parts keep their length.
TEST_F(AudioStreamTest, JoinedPartsKeepTheirPitchSeeksCutBeforeTheirPlaceAndOnlyOpeningIsBounded) {
    // 0.5 s of 1 kHz as stereo at 44.1 kHz, as mono at 22.05 kHz, and as the first again.
    std::size_t stereo = decode(joined({{44100, 2}})).size(),
                mono = decode(joined({{22050, 1}})).size();
    std::string path = joined({{44100, 2}, {22050, 1}, {44100, 2}});
    std::atomic<bool> stop = true;
    std::string why;
    EXPECT_TRUE(!AudioStream::open(path, &why, &stop) && !why.empty());
    stop = false;
    std::unique_ptr<AudioStream> stream = AudioStream::open(path, &why, &stop);
    EXPECT_EQ(stream ? stream->rate() : 0, 44100);
    std::vector<std::int16_t> pcm = decode(path);
    EXPECT_EQ(pcm.size(), 2 * stereo + 2 * mono);
    // The mono part, well inside, at full level on both sides.
    std::size_t from = 30870, to = 39690;  // 0.7 s .. 0.9 s
    int peak = 0;
    for (std::size_t i = from; i < to; ++i) {
        ASSERT_EQ(pcm[2 * i], pcm[2 * i + 1]) << i;
        peak = std::max(peak, std::abs(int(pcm[2 * i])));
    }
    EXPECT_NEAR(peak, 16384, 1600);  // 11585 at the -3 dB of a mono-to-stereo default
    // A seek in an MP3 file goes to its place counted from the first coded frame, the encoder's
    // delay of 1105 frames (which a play from the start leaves out) included, and cuts the
    // frames before it. Opening reads at most 16 MiB: a sound behind more pictures than that in
    // its tags is refused at once. An open file plays to its end, however long it is and late it
    // is read.
    tonegen::writeTone(dir / "t.mp3", "libmp3lame", 1000, 1.0);
    std::size_t all = decode(dir / "t.mp3").size() / 2;
    for (int ms : {10, 500, 750}) {
        std::size_t cut = std::size_t(std::max(0, ms * 441 / 10 - 1105));
        EXPECT_EQ(decode(dir / "t.mp3", ms).size() / 2, all - cut) << ms;
    }
    for (auto [mib, opens] : {std::pair{15, true}, {17, false}}) {
        std::string frame = std::string("\0image/png\0\3\0", 13) + std::string(1 << 20, 'p');
        std::string tag;
        for (int i = 0; i < mib; ++i)  // pictures of 1 MiB each, as a tag may hold many
            tag += "APIC" + bigEndian(frame.size(), 8) + std::string(2, '\0') + frame;
        std::ofstream(dir / "big.mp3", std::ios::binary) << std::string("ID3\3\0\0", 6) +
                                                                bigEndian(tag.size(), 7) + tag +
                                                                test::fileBytes(dir / "t.mp3");
        EXPECT_EQ(bool(AudioStream::open(dir / "big.mp3")), opens) << mib;
    }
    std::vector<std::uint8_t> data(3 * (6 << 20), 0x40);  // 24-bit samples, which only FFmpeg reads
    test::writeWave(dir / "long.wav", 1, 1, 8000, 24, 3, data);
    EXPECT_EQ(decode(dir / "long.wav", -1, 3100ms).size(), 2 * data.size() / 3);
}

// Our own wave reader and the decoder module on the same files.
using WaveDecoderTest = AudioStreamTest;

// Read by our own reader, to the samples FFmpeg gives.
TEST_F(WaveDecoderTest, UnusualFormatsDecodeToStereoAndWhatHoldsNoSoundGivesNothing) {
    test::writeWave(dir / "mono", 1, 1, 11025, 16, 2, test::pcm16({1000, -2000, 3000}));
    test::writeWave(dir / "8bit", 1, 2, 22050, 8, 2, {192, 64, 128, 128});  // unsigned samples
    // Two channels of IMA ADPCM: headers, then four bytes of each side.
    test::writeWave(
        dir / "ima2", 0x11, 2, 22050, 4, 16,
        {100, 0, 0, 0, 0x9C, 0xFF, 20, 0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0}, {9, 0});
    // Microsoft ADPCM, stereo: predictors 0 and 1, steps 16 and 100, the first samples
    // 1000 and -1000, the second 500 and -500 (which play first), then a byte a frame.
    test::writeWave(dir / "ms2", 2, 2, 11025, 4, 18,
                    {0, 1, 16, 0, 100, 0, 0xE8, 0x03, 0x18, 0xFC, 0xF4, 0x01, 0x0C, 0xFE, 0x17,
                     0x71, 0xF8, 0x08},
                    {0xF4, 0x01});
    // IMA ADPCM, mono: a block of 256 bytes (505 samples), then one cut after 100 bytes; each
    // starts with its first sample and step index.
    std::vector<std::uint8_t> block(256, 0x17);
    block.resize(356, 0x71);
    block[0] = block[1] = block[3] = block[256] = block[257] = block[259] = 0;
    block[2] = 40;
    block[258] = 20;
    test::writeWave(dir / "cut", 0x11, 1, 8000, 4, 256, block, {0xF9, 0x01});
    for (auto [name, frames] :
         {std::pair{"mono", 3}, {"8bit", 2}, {"ima2", 9}, {"ms2", 6}, {"cut", 505 + 193}}) {
        std::optional<Pcm> ours = readWave(dir / name);
        std::unique_ptr<AudioStream> ffmpeg = AudioStream::open(dir / name);
        ASSERT_TRUE(ours && ffmpeg) << name;
        EXPECT_EQ(std::tuple(ours->rate, ours->frames(), ours->samples),
                  std::tuple(ffmpeg->rate(), std::size_t(frames), decode(dir / name)))
            << name;
    }
    // Tones as FFmpeg's own encoders write them, low to high: every step of the codecs' tables.
    for (auto [codec, hz, rate, channels] : {std::tuple{"adpcm_ima_wav", 60, 8000, 1},
                                             {"adpcm_ima_wav", 300, 8000, 1},
                                             {"adpcm_ima_wav", 3000, 8000, 1},
                                             {"adpcm_ms", 300, 11025, 2}}) {
        std::filesystem::path file = dir / (std::to_string(hz) + codec + ".wav");
        ASSERT_TRUE(tonegen::writeTone(file, codec, hz, 0.3, rate, channels));
        std::optional<Pcm> ours = readWave(file);
        EXPECT_EQ(ours ? ours->samples : std::vector<std::int16_t>{}, decode(file)) << file;
    }
    // What holds no sound gives nothing, cut data plays what is there, and a file the reader
    // leaves alone (24-bit samples, three channels) decodes through the decoder module.
    test::writeWave(dir / "24bit", 1, 1, 8000, 24, 3, {0x00, 0x10, 0x20, 0x00, 0x00, 0xF0});
    test::writeWave(dir / "3ch", 1, 3, 8000, 16, 6, test::pcm16({1, 2, 3}));
    std::ofstream(dir / "empty");
    std::ofstream(dir / "text") << "tumblix settings, not a sound\n";
    test::writeWave(dir / "nodata", 1, 1, 44100, 16, 2, {});
    // The first bytes of 400-sample wave files: a part of the header, and 50 frames of data.
    for (auto [name, bytes] : {std::pair{"header", 30}, {"data", 44 + 100}}) {
        test::writeWave(dir / name, 1, 1, 44100, 16, 2,
                        test::pcm16(std::vector<std::int16_t>(400, 9)));
        std::filesystem::resize_file(dir / name, bytes);
    }
    std::filesystem::copy_file("/proc/self/exe", dir / "program.mp3");  // taken for MP3 by name
    for (const char* name : {"missing", "empty", "text", "header", "nodata", "program.mp3"})
        EXPECT_FALSE(decodeSound(dir / name)) << name;
    auto pcm = decodeSound(dir / "data"), wide = decodeSound(dir / "24bit");
    ASSERT_TRUE(pcm && wide && !readWave(dir / "24bit") && !readWave(dir / "3ch"));
    EXPECT_EQ(
        std::tuple(pcm->frames(), wide->rate, wide->samples),
        std::tuple(std::size_t(50), 8000, std::vector<std::int16_t>{8208, 8208, -4096, -4096}));
}

// Sound files are found ignoring the case of each part of their paths.
TEST_F(WaveDecoderTest, PathPartsAreFoundIgnoringCase) {
    std::string root = dir.path;
    std::filesystem::create_directory(root + "/sound");
    std::ofstream(root + "/sound/left1.WAV");
    std::ofstream(root + "/sound/BkgMusic.wav");
    const std::pair<const char*, const char*> cases[] = {
        {"/sound/left1.WAV", "/sound/left1.WAV"},
        {"/Sound/BkgMusic.wav", "/sound/BkgMusic.wav"},
        {"\\SOUND\\LEFT1.wav", "/sound/left1.WAV"},
        {"/sound/./Left1.wav", "/sound/./left1.WAV"},
        {"\\sound\\right1.WAV", "/sound/right1.WAV"},  // missing: only the separators change
        {"/SOUND/gone/left1.WAV", "/SOUND/gone/left1.WAV"}};
    for (auto [written, found] : cases)
        EXPECT_EQ(findSoundFile(root + written), root + found) << written;
}

}  // namespace
}  // namespace tumblix
