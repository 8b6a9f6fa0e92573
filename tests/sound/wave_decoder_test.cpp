// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_decoder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "sound/audio_stream.h"
#include "sound/wave_file.h"
#include "sound/wave_reader.h"

namespace tumblix {
namespace {

struct WaveDecoderTest : ::testing::Test {
    std::string path(const char* name) { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

// Read by our own reader, to the samples FFmpeg gives.
TEST_F(WaveDecoderTest, UnusualFormatsDecodeToStereoAtTheirOwnLevelAndRate) {
    test::writeWave(path("mono"), 1, 1, 11025, 16, 2, test::pcm16({1000, -2000, 3000}));
    test::writeWave(path("8bit"), 1, 2, 22050, 8, 2, {192, 64, 128, 128});  // unsigned samples
    // Two channels of IMA ADPCM: headers, then four bytes of each side.
    test::writeWave(
        path("ima2"), 0x11, 2, 22050, 4, 16,
        {100, 0, 0, 0, 0x9C, 0xFF, 20, 0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0}, {9, 0});
    // Microsoft ADPCM, stereo: predictors 0 and 1, steps 16 and 100, the first samples
    // 1000 and -1000, the second 500 and -500 (which play first), then a byte a frame.
    test::writeWave(path("ms2"), 2, 2, 11025, 4, 18,
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
    test::writeWave(path("cut"), 0x11, 1, 8000, 4, 256, block, {0xF9, 0x01});
    for (auto [name, frames] :
         {std::pair{"mono", 3}, {"8bit", 2}, {"ima2", 9}, {"ms2", 6}, {"cut", 505 + 193}}) {
        std::optional<Pcm> ours = readWave(path(name));
        std::vector<std::int16_t> theirs;
        std::unique_ptr<AudioStream> ffmpeg = AudioStream::open(path(name));
        while (ffmpeg && ffmpeg->read(theirs, 4096) > 0) {
        }
        ASSERT_TRUE(ours && ffmpeg) << name;
        EXPECT_EQ(std::tuple(ours->rate, ours->frames(), ours->samples),
                  std::tuple(ffmpeg->rate(), std::size_t(frames), theirs))
            << name;
    }
}

// What holds no sound gives nothing, cut data plays what is there, and a file the reader leaves
// alone (24-bit samples) decodes through the decoder module.
TEST_F(WaveDecoderTest, WhatHoldsNoSoundGivesNothingAndTheRestDecodesAsFarAsItGoes) {
    test::writeWave(path("24bit"), 1, 1, 8000, 24, 3, {0x00, 0x10, 0x20, 0x00, 0x00, 0xF0});
    std::ofstream(path("empty"));
    std::ofstream(path("text")) << "tumblix settings, not a sound\n";
    test::writeWave(path("nodata"), 1, 1, 44100, 16, 2, {});
    // The first bytes of 400-sample wave files: a part of the header, and 50 frames of data.
    for (auto [name, bytes] : {std::pair{"header", 30}, {"data", 44 + 100}}) {
        test::writeWave(path(name), 1, 1, 44100, 16, 2,
                        test::pcm16(std::vector<std::int16_t>(400, 9)));
        std::filesystem::resize_file(path(name), bytes);
    }
    std::filesystem::copy_file("/proc/self/exe", path("program.mp3"));  // taken for MP3 by name
    for (const char* name : {"missing", "empty", "text", "header", "nodata", "program.mp3"})
        EXPECT_FALSE(decodeSound(path(name))) << name;
    auto pcm = decodeSound(path("data")), wide = decodeSound(path("24bit"));
    ASSERT_TRUE(pcm && wide && !readWave(path("24bit")));
    EXPECT_EQ(
        std::tuple(pcm->frames(), wide->rate, wide->samples),
        std::tuple(std::size_t(50), 8000, std::vector<std::int16_t>{8208, 8208, -4096, -4096}));
}

}  // namespace
}  // namespace tumblix
