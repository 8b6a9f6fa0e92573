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
    std::string names;  // in the order the game names its sounds
    for (int i = 0; i < 10; ++i) names += sounds.object(Sound(i)).DMCtrlPath().substr(12) + " ";
    EXPECT_EQ(names,
              "down1.WAV left1.WAV right1.WAV rotate1.WAV drop1.WAV dellin1.WAV "
              "tumblix1.WAV drop2.WAV down2.WAV inverse1.WAV ");
    sounds.music.SetBkgVolume(file.BkgVolume = -900);  // the music's own, as it was changed
    Settings back;
    sounds.storeSettings(back);
    EXPECT_EQ(back, file);
}

// The file plays, then takes the chosen volume and rate; the balance is sent at every tick and
// turns one step beyond 5000. With the music off it stops at once and the balance rests.
TEST_F(SoundSystemTest, StartUpPlaysTheMusicWhoseBalanceSweepsOrStopsIt) {
    sounds.applySettings(file);
    EXPECT_EQ(mixer.take(), (Log{"load " + kMusic, kMusic + " play loop", kMusic + " rewind",
                                 kMusic + " volume -707", kMusic + " frequency 46717"}));
    EXPECT_EQ(sweep(2), (std::vector<int>{0, 0}));  // no step: still sent every tick
    std::vector<int> expected;
    for (int p = 0; p <= 5500; p += 500) expected.push_back(p);
    for (int p = 5000; p >= -5500; p -= 500) expected.push_back(p);
    expected.push_back(-5000);
    sounds.settings.SpeedChange = 500;
    EXPECT_EQ(sweep(static_cast<int>(expected.size())), expected);
    file.EnableLoop = false;
    sounds.applySettings(file);
    EXPECT_EQ(mixer.take()[5], kMusic + " stop");
    EXPECT_TRUE(sweep(3).empty());
}

// The drop and landing sounds' first variant plays for a draw above one half in single precision.
TEST(SoundVariant, TheFirstPlaysAboveOneHalfAsAFloat) {
    const std::pair<double, bool> cases[] = {{0.5, false},        {0.50000001, false},
                                             {0.49999999, false}, {0.5000001, true},
                                             {0.99, true},        {0.0, false}};
    for (auto [r, first] : cases) EXPECT_EQ(firstVariant(r), first) << r;
}

}  // namespace
}  // namespace tumblix
