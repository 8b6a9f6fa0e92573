// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_system.h"

#include <gtest/gtest.h>

#include "engine/random.h"
#include "sound/fake_mixer.h"

namespace tumblix {
namespace {

using Log = std::vector<std::string>;
const std::string kMusic = "/game/Sound/BkgMusic.wav";

struct SoundSystemTest : ::testing::Test {
    SoundSystemTest() {
        mixer.files = {{kMusic, 44100}};
        for (std::size_t i = 0; i < kSoundCount; ++i)
            mixer.files[defaultSoundPath("/game", static_cast<SoundId>(i))] = 1;
    }
    // The pans the music received from n ticks.
    std::vector<int> sweep(int n) {
        std::vector<int> pans;
        mixer.take();
        for (int i = 0; i < n; ++i) sounds.sweepBalance();
        for (const std::string& line : mixer.take())
            pans.push_back(std::stoi(line.substr(line.rfind(' '))));
        return pans;
    }
    test::FakeMixer& mixer = *new test::FakeMixer;
    SoundSystem sounds{std::unique_ptr<Mixer>(&mixer)};
    Settings file = defaultSettings("/game");
};

TEST_F(SoundSystemTest, SettingsConfigureEachSoundAndComeBackAsTheObjectsReportThem) {
    file.sound(SoundId::mDrop2).DMCtrlEnabled = false;
    file.SpeedChange = 300;
    sounds.applySettings(file);
    const std::tuple<Sound, const char*, int, int> cases[] = {
        {Sound::mLeft1, "left1.WAV", -1322, 57299},
        {Sound::mInverse1, "inverse1.WAV", -474, 60115}};
    for (auto [id, name, volume, frequency] : cases) {
        const clsDMCtrl& s = sounds.object(id);
        EXPECT_EQ(s.DMCtrlPath(), std::string("/game/sound/") + name);
        EXPECT_EQ(std::tuple(s.DMCtrlVolume(), s.DMCtrlFreq(), s.DMCtrlEnabled()),
                  std::tuple(volume, frequency, true));
    }
    EXPECT_FALSE(sounds.object(Sound::mDrop2).DMCtrlEnabled());
    Settings back;
    sounds.storeSettings(back);
    EXPECT_EQ(back, file);
}

// The file plays, then takes the chosen volume and rate; with the music off it stops at once
// and the balance does not sweep.
TEST_F(SoundSystemTest, StartUpPlaysTheFileThenTheChosenVolumeAndRateOrStopsIt) {
    sounds.applySettings(file);
    EXPECT_EQ(mixer.take(), (Log{"load " + kMusic, kMusic + " play loop", kMusic + " rewind",
                                 kMusic + " volume -707", kMusic + " frequency 46717"}));
    EXPECT_EQ(sounds.settings.freq, 46717);
    file.EnableLoop = false;
    sounds.applySettings(file);
    EXPECT_EQ(mixer.take()[5], kMusic + " stop");
    EXPECT_TRUE(sweep(3).empty());
}

TEST_F(SoundSystemTest, BalanceSweepSendsThePanThenTurnsOneStepBeyondFiveThousand) {
    sounds.applySettings(file);
    EXPECT_EQ(sweep(2), (std::vector<int>{0, 0}));  // no step: still sent every tick
    std::vector<int> expected;
    for (int p = 0; p <= 5500; p += 500) expected.push_back(p);
    for (int p = 5000; p >= -5500; p -= 500) expected.push_back(p);
    expected.push_back(-5000);
    sounds.settings.SpeedChange = 500;
    EXPECT_EQ(sweep(static_cast<int>(expected.size())), expected);
}

}  // namespace
}  // namespace tumblix
