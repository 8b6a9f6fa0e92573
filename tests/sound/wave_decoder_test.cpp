#include "sound/wave_decoder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "sound/wave_file.h"

namespace tumblix {
namespace {

struct WaveDecoderTest : ::testing::Test {
    std::string path(const char* name) { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(WaveDecoderTest, MonoPlaysOnBothSidesAtItsOwnLevelAndRate) {
    test::writeWave(path("m.wav"), 1, 1, 11025, 16, 2, test::pcm16({1000, -2000, 3000, 0}));
    auto pcm = decodeSound(path("m.wav"));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 11025);
    EXPECT_EQ(pcm->samples,
              (std::vector<std::int16_t>{1000, 1000, -2000, -2000, 3000, 3000, 0, 0}));
}

TEST_F(WaveDecoderTest, UnusualFormatsDecode) {
    // 8-bit unsigned stereo: 192 is half of full scale up, 64 half down.
    test::writeWave(path("8.wav"), 1, 2, 22050, 8, 2, {192, 64, 128, 128});
    auto eight = decodeSound(path("8.wav"));
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->rate, 22050);
    EXPECT_EQ(eight->samples, (std::vector<std::int16_t>{16384, -16384, 0, 0}));
    // IMA ADPCM, one mono block of 505 samples: a header and 252 bytes of steps.
    std::vector<std::uint8_t> block(256, 0x17);
    block[0] = block[1] = block[3] = 0;
    block[2] = 40;  // step index
    test::writeWave(path("ima.wav"), 0x11, 1, 8000, 4, 256, block, {0xF9, 0x01});
    auto ima = decodeSound(path("ima.wav"));
    ASSERT_TRUE(ima);
    EXPECT_EQ(ima->rate, 8000);
    EXPECT_EQ(ima->frames(), 505u);
    EXPECT_NE(ima->samples[200], 0);
}

TEST_F(WaveDecoderTest, WhatIsNotSoundGivesNothing) {
    std::ofstream(path("empty.wav"));
    std::ofstream(path("text.wav")) << "tumblix settings, not a sound\n";
    test::writeWave(path("full.wav"), 1, 1, 44100, 16, 2,
                    test::pcm16(std::vector<std::int16_t>(400, 9)));
    std::vector<char> bytes(30);
    std::ifstream(path("full.wav"), std::ios::binary).read(bytes.data(), 30);
    std::ofstream(path("cut.wav"), std::ios::binary).write(bytes.data(), 30);
    test::writeWave(path("nodata.wav"), 1, 1, 44100, 16, 2, {});
    for (const char* name : {"missing.wav", "empty.wav", "text.wav", "cut.wav", "nodata.wav"})
        EXPECT_FALSE(decodeSound(path(name))) << name;
}

TEST_F(WaveDecoderTest, TruncatedDataPlaysWhatIsThere) {
    test::writeWave(path("full.wav"), 1, 1, 44100, 16, 2,
                    test::pcm16(std::vector<std::int16_t>(400, 9)));
    std::vector<char> bytes(44 + 100);
    std::ifstream(path("full.wav"), std::ios::binary).read(bytes.data(), 144);
    std::ofstream(path("short.wav"), std::ios::binary).write(bytes.data(), 144);
    auto pcm = decodeSound(path("short.wav"));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->frames(), 50u);
}

}  // namespace
}  // namespace tumblix
