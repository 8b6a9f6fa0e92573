#include "sound/sound_system.h"

#include <gtest/gtest.h>

#include "engine/random.h"
#include "sound/fake_mixer.h"

namespace tumblix {
namespace {

using Log = std::vector<std::string>;

struct SoundSystemTest : ::testing::Test {
    SoundSystemTest() {
        auto m = std::make_unique<test::FakeMixer>();
        mixer = m.get();
        sounds = std::make_unique<SoundSystem>(std::move(m));
        sounds->useDefaults("/game");
        mixer->files = {{"/game/Sound/BkgMusic.wav", 44100}};
        for (const SoundDefault& d : kSoundDefaults)
            mixer->files[defaultSoundPath("/game", d)] = 44100;
    }
    // The pans the music received from n ticks.
    std::vector<int> sweep(int n) {
        std::vector<int> pans;
        mixer->take();
        for (int i = 0; i < n; ++i) sounds->sweepBalance();
        for (const std::string& line : mixer->take())
            pans.push_back(std::stoi(line.substr(line.rfind(' '))));
        return pans;
    }
    test::FakeMixer* mixer;
    std::unique_ptr<SoundSystem> sounds;
};

TEST_F(SoundSystemTest, DefaultsConfigureEverySound) {
    const clsDMCtrl& down2 = sounds->object(Sound::mDown2);
    EXPECT_EQ(down2.DMCtrlPath(), "/game/sound/down2.WAV");
    EXPECT_EQ(down2.DMCtrlVolume(), -474);
    EXPECT_EQ(down2.DMCtrlFreq(), 33563);
    EXPECT_TRUE(down2.DMCtrlEnabled());
    EXPECT_EQ(sounds->object(Sound::mLeft1).DMCtrlPath(), "/game/sound/left1.WAV");
    EXPECT_EQ(sounds->object(Sound::mRight1).DMCtrlVolume(), -747);
    EXPECT_EQ(sounds->object(Sound::mInverse1).DMCtrlFreq(), 60115);
    const SoundSettings& s = sounds->settings;
    EXPECT_TRUE(s.EnableSoundControl && s.EnableLoop);
    EXPECT_EQ(s.PathToBkgMusic, "/game/Sound/BkgMusic.wav");
    EXPECT_EQ(s.SpeedChange, 0);
}

TEST_F(SoundSystemTest, PlayEventSoundCodes) {
    const std::pair<int, const char*> cases[] = {
        {0, nullptr},      {1, "tumblix1.WAV"}, {2, "down1.WAV"}, {3, "left1.WAV"},
        {4, "right1.WAV"}, {5, "rotate1.WAV"},  {6, "drop1.WAV"}, {7, "dellin1.WAV"},
        {8, nullptr},      {-1, nullptr}};
    for (auto [code, file] : cases) {
        sounds->PlayEventSound(code);
        Log log = mixer->take();
        EXPECT_EQ(log.empty() ? "" : log.front(),
                  file ? std::string("load /game/sound/") + file : "")
            << code;
    }
    sounds->settings.EnableSoundControl = false;
    sounds->PlayEventSound(1);
    EXPECT_TRUE(mixer->take().empty());
}

TEST_F(SoundSystemTest, StartUpPlaysTheFileThenTheChosenVolumeAndRate) {
    sounds->startMusic();
    EXPECT_EQ(mixer->take(),
              (Log{"load /game/Sound/BkgMusic.wav", "/game/Sound/BkgMusic.wav play loop",
                   "/game/Sound/BkgMusic.wav rewind", "/game/Sound/BkgMusic.wav volume -707",
                   "/game/Sound/BkgMusic.wav frequency 46717"}));
    EXPECT_EQ(sounds->settings.freq, 46717);
    EXPECT_EQ(sounds->music.GetBkgVolume(), -707);
}

TEST_F(SoundSystemTest, StartUpWithTheMusicOffStopsItAtOnce) {
    sounds->settings.EnableLoop = false;
    sounds->startMusic();
    EXPECT_EQ(mixer->take()[3], "/game/Sound/BkgMusic.wav stop");
    EXPECT_TRUE(sweep(3).empty());  // no sweep while the music is off
}

TEST_F(SoundSystemTest, StartUpWithoutMusicMarksThePath) {
    mixer->files.clear();
    sounds->startMusic();
    EXPECT_EQ(sounds->settings.PathToBkgMusic, "...");
    EXPECT_EQ(sounds->settings.freq, 46717);
    EXPECT_EQ(sounds->music.MusicVolume, -707);
    EXPECT_EQ(sounds->music.GetBkgVolume(), 0);
}

TEST_F(SoundSystemTest, BalanceSweepTurnsOneStepBeyondFiveThousand) {
    sounds->startMusic();
    std::vector<int> expected;
    for (int p = 0; p <= 5500; p += 500) expected.push_back(p);
    for (int p = 5000; p >= -5500; p -= 500) expected.push_back(p);
    expected.push_back(-5000);
    sounds->settings.SpeedChange = 500;
    EXPECT_EQ(sweep(static_cast<int>(expected.size())), expected);
}

TEST_F(SoundSystemTest, BalanceSweepWithoutStepStillSendsThePan) {
    sounds->startMusic();
    EXPECT_EQ(sweep(3), (std::vector<int>{0, 0, 0}));
    sounds->settings.SpeedChange = 300;
    EXPECT_EQ(sweep(3), (std::vector<int>{0, 300, 600}));
}

TEST(VariantChoice, FirstVariantOnlyAboveHalfInSinglePrecision) {
    const std::pair<double, bool> cases[] = {
        {0.0, false}, {0.5, false}, {0.500000001, false}, {0.50000006, true}, {0.9999, true}};
    for (auto [r, first] : cases) EXPECT_EQ(firstVariant(r), first) << r;
}

}  // namespace
}  // namespace tumblix
