// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_decoder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>

#include "sound/wave_file.h"
#include "sound/wave_reader.h"
#include "tonegen/tone_file.h"

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
    std::vector<std::uint8_t> block(256, 0x17);  // IMA ADPCM: one block of 505 mono samples
    block[0] = block[1] = block[3] = 0;
    block[2] = 40;
    test::writeWave(path("adpcm"), 0x11, 1, 8000, 4, 256, block, {0xF9, 0x01});
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
    const struct {
        const char* name;
        int rate;
        std::size_t frames;
        std::vector<std::int16_t> start;
    } cases[] = {{"mono", 11025, 3, {1000, 1000, -2000, -2000, 3000, 3000}},
                 {"8bit", 22050, 2, {16384, -16384, 0, 0}},
                 {"adpcm", 8000, 505, {0, 0, 631, 631, 902, 902, 2135, 2135}},
                 {"ima2", 22050, 9, {100, -100, 104, -131, 106, -147, 113, -193, 120, -236}},
                 {"ms2",
                  11025,
                  6,
                  {500, -500, 1000, -1000, 1016, -800, 1128, -361, 1090, -1634, 1090, -8043}}};
    for (const auto& c : cases)
        for (auto pcm : {readWave(path(c.name)), decodeSound(path(c.name))}) {
            ASSERT_TRUE(pcm) << c.name;
            EXPECT_EQ(pcm->rate, c.rate);
            EXPECT_EQ(pcm->frames(), c.frames);
            EXPECT_EQ(std::vector<std::int16_t>(pcm->samples.begin(),
                                                pcm->samples.begin() + long(c.start.size())),
                      c.start)
                << c.name;
        }
}

// Files the reader leaves alone load the decoder module, which reads them.
TEST_F(WaveDecoderTest, FilesOnlyFfmpegReadsDecodeThroughTheDecoderModule) {
    ASSERT_TRUE(tonegen::writeTone(path("tone.mp3"), "libmp3lame", 1000, 0.5, 22050, 1));
    test::writeWave(path("24bit"), 1, 1, 8000, 24, 3, {0x00, 0x10, 0x20, 0x00, 0x00, 0xF0});
    EXPECT_FALSE(readWave(path("tone.mp3")));
    EXPECT_FALSE(readWave(path("24bit")));
    auto mp3 = decodeSound(path("tone.mp3"));
    ASSERT_TRUE(mp3);
    EXPECT_EQ(mp3->rate, 22050);
    EXPECT_GE(mp3->frames(), 11025u);
    auto wide = decodeSound(path("24bit"));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->samples, (std::vector<std::int16_t>{8208, 8208, -4096, -4096}));
    std::stringstream maps;
    maps << std::ifstream("/proc/self/maps").rdbuf();
    EXPECT_NE(maps.str().find("libtumblix_decoder.so"), std::string::npos);
}

TEST_F(WaveDecoderTest, WhatHoldsNoSoundGivesNothingAndCutDataPlaysWhatIsThere) {
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
    auto pcm = decodeSound(path("data"));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->frames(), 50u);
}

}  // namespace
}  // namespace tumblix
