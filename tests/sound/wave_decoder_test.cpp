#include "sound/wave_decoder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "sound/wave_file.h"

namespace tumblix {
namespace {

struct WaveDecoderTest : ::testing::Test {
    std::string path(const char* name) { return dir.filePath(name).toStdString(); }
    // The first bytes of a 400-sample wave file.
    void cut(const char* name, std::size_t bytes) {
        test::writeWave(path("full"), 1, 1, 44100, 16, 2,
                        test::pcm16(std::vector<std::int16_t>(400, 9)));
        std::filesystem::copy_file(path("full"), path(name));
        std::filesystem::resize_file(path(name), bytes);
    }
    QTemporaryDir dir;
};

TEST_F(WaveDecoderTest, UnusualFormatsDecodeToStereoAtTheirOwnLevelAndRate) {
    test::writeWave(path("mono"), 1, 1, 11025, 16, 2, test::pcm16({1000, -2000, 3000}));
    test::writeWave(path("8bit"), 1, 2, 22050, 8, 2, {192, 64, 128, 128});  // unsigned samples
    std::vector<std::uint8_t> block(256, 0x17);  // IMA ADPCM: one block of 505 mono samples
    block[0] = block[1] = block[3] = 0;
    block[2] = 40;
    test::writeWave(path("adpcm"), 0x11, 1, 8000, 4, 256, block, {0xF9, 0x01});
    const struct {
        const char* name;
        int rate;
        std::size_t frames;
        std::vector<std::int16_t> start;
    } cases[] = {{"mono", 11025, 3, {1000, 1000, -2000, -2000, 3000, 3000}},
                 {"8bit", 22050, 2, {16384, -16384, 0, 0}},
                 {"adpcm", 8000, 505, {0, 0, 631, 631, 902, 902, 2135, 2135}}};
    for (const auto& c : cases) {
        auto pcm = decodeSound(path(c.name));
        ASSERT_TRUE(pcm) << c.name;
        EXPECT_EQ(pcm->rate, c.rate);
        EXPECT_EQ(pcm->frames(), c.frames);
        EXPECT_EQ(std::vector<std::int16_t>(pcm->samples.begin(),
                                            pcm->samples.begin() + long(c.start.size())),
                  c.start)
            << c.name;
    }
}

TEST_F(WaveDecoderTest, WhatHoldsNoSoundGivesNothingAndCutDataPlaysWhatIsThere) {
    std::ofstream(path("empty"));
    std::ofstream(path("text")) << "tumblix settings, not a sound\n";
    test::writeWave(path("nodata"), 1, 1, 44100, 16, 2, {});
    cut("header", 30);
    std::filesystem::copy_file("/proc/self/exe", path("program.mp3"));  // taken for MP3 by name
    for (const char* name : {"missing", "empty", "text", "header", "nodata", "program.mp3"})
        EXPECT_FALSE(decodeSound(path(name))) << name;
    cut("data", 44 + 100);
    auto pcm = decodeSound(path("data"));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->frames(), 50u);
}

}  // namespace
}  // namespace tumblix
