// SPDX-License-Identifier: GPL-3.0-or-later
// The generated sound files as the game plays them by default, at the settings' default volume
// and frequency: every event sound about as loud as the others over its loudest 50 ms, the two
// moves alike, each with enough of its sound above 250 Hz for small speakers, and the music
// below them all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "loudness.h"
#include "settings/settings.h"
#include "sound/wave_decoder.h"

namespace tumblix {
namespace {

using namespace soundgen;  // the measures the generator balances the files by

// One side of a file as the game decodes it.
Track decoded(const std::string& file, int side) {
    std::optional<Pcm> pcm = decodeSound(std::string(TUMBLIX_SOUND_DIR) + "/" + file);
    Track out;
    if (pcm)
        for (std::size_t i = std::size_t(side); i < pcm->samples.size(); i += 2)
            out.push_back(float(pcm->samples[i]) / 32768.0f);
    return out;
}

Track sines(std::initializer_list<double> hz, double from, double to) {
    Track out(44100);
    for (std::size_t i = std::size_t(from * 44100); i < std::size_t(to * 44100); ++i)
        for (double f : hz) out[i] += float(std::sin(2 * M_PI * f * double(i) / 44100));
    return out;
}

TEST(SoundFiles, MeasuresHearTheFilePlayedAtItsRate) {
    Track burst = sines({1000}, 0.5, 0.56);  // 60 ms
    EXPECT_NEAR(loudestLevel(burst, 44100), -3.01, 0.02);
    EXPECT_NEAR(loudestLevel(burst, 88200), -3.01 + 10 * std::log10(0.6), 0.02);  // 30 ms
    Track pair = sines({200, 400}, 0, 1);
    EXPECT_NEAR(shareAbove(pair, 250, 44100), 0.5, 0.01);
    EXPECT_NEAR(shareAbove(pair, 250, 66150), 1.0, 0.01);
    EXPECT_NEAR(shareAbove(pair, 250, 22050), 0.0, 0.01);
}

TEST(SoundFiles, EventsAreBalancedAndHeardAboveTheMusic) {
    std::array<double, kSoundCount> level{};
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        const SoundDefault& d = kSoundDefaults[i];
        Track t = decoded(d.file, 0);
        ASSERT_FALSE(t.empty()) << d.file;
        level[i] = loudestLevel(t, d.freq) + d.volume / 100.0;
        EXPECT_GE(shareAbove(t, 250, d.freq), 0.25) << d.file;
    }
    std::array<double, kSoundCount> sorted = level;
    std::sort(sorted.begin(), sorted.end());
    double median = (sorted[4] + sorted[5]) / 2;
    for (std::size_t i = 0; i < kSoundCount; ++i)
        EXPECT_NEAR(level[i], median, 3.0) << kSoundDefaults[i].file;
    EXPECT_NEAR(level[std::size_t(SoundId::mLeft1)], level[std::size_t(SoundId::mRight1)], 1.0);
    const Settings defaults;
    for (int side : {0, 1}) {
        Track music = decoded("BkgMusic.wav", side);
        ASSERT_FALSE(music.empty());
        EXPECT_LT(loudestLevel(music, defaults.freq) + defaults.BkgVolume / 100.0, sorted[0]);
    }
}

}  // namespace
}  // namespace tumblix
