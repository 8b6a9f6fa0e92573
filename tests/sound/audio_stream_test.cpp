// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "support/temp_folder.h"
#include "tonegen/tone_file.h"

namespace tumblix {
namespace {

// Cycles of the left side within frames [from, to): rises from well below zero to well above,
// so that the codecs' quiet noise between the parts does not count.
int cycles(const std::vector<std::int16_t>& pcm, std::size_t from, std::size_t to) {
    int n = 0;
    bool low = false;
    for (std::size_t i = from; i < to; ++i) {
        if (pcm[2 * i] < -4000) low = true;
        if (low && pcm[2 * i] > 4000) ++n, low = false;
    }
    return n;
}

// Opened only once the caller no longer asks it to stop.
TEST(AudioStream, PartsJoinedWithOtherRatesAndChannelsPlayAtTheirOwnPitchInTheFirstPartsForm) {
    // 0.5 s of 1 kHz as stereo at 44.1 kHz, as mono at 22.05 kHz, and as the first again.
    test::TempFolder dir;
    std::string joined;
    for (auto [rate, channels] : {std::pair{44100, 2}, {22050, 1}, {44100, 2}}) {
        ASSERT_TRUE(tonegen::writeTone(dir / "part.mp3", "libmp3lame", 1000, 0.5, rate, channels));
        joined += test::fileBytes(dir / "part.mp3");
    }
    std::ofstream(dir / "joined.mp3", std::ios::binary) << joined;
    std::atomic<bool> stop = true;
    std::string why;
    EXPECT_FALSE(AudioStream::open(dir / "joined.mp3", &why, &stop));
    EXPECT_FALSE(why.empty());
    stop = false;
    std::unique_ptr<AudioStream> stream = AudioStream::open(dir / "joined.mp3", &why, &stop);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->rate(), 44100);
    std::vector<std::int16_t> pcm;
    while (stream->read(pcm, 4096) > 0) {
    }
    EXPECT_FALSE(stream->failed());
    std::size_t frames = pcm.size() / 2;
    EXPECT_GE(frames, 66150u);  // each encoder's delay and padding add some silence
    EXPECT_LE(frames, 66150u + 3 * 2400);
    EXPECT_NEAR(cycles(pcm, 0, frames), 1500, 15);
    // The mono part, well inside: 1 kHz at the output rate, at full level on both sides.
    std::size_t from = 30870, to = 39690;  // 0.7 s .. 0.9 s
    EXPECT_NEAR(cycles(pcm, from, to), 200, 2);
    int peak = 0;
    for (std::size_t i = from; i < to; ++i) {
        ASSERT_EQ(pcm[2 * i], pcm[2 * i + 1]) << i;
        peak = std::max(peak, std::abs(int(pcm[2 * i])));
    }
    EXPECT_NEAR(peak, 16384, 1600);  // 11585 at the -3 dB of a mono-to-stereo default
}

}  // namespace
}  // namespace tumblix
