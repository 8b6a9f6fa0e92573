#include "sound/sound_system.h"

#include <gtest/gtest.h>

#include "engine/game.h"
#include "engine/random.h"
#include "sound/fake_mixer.h"
#include "support/fakes.h"

namespace tumblix {
namespace {

using Log = std::vector<std::string>;
const std::string kMusic = "/game/Sound/BkgMusic.wav";

struct SoundSystemTest : ::testing::Test {
    SoundSystemTest() {
        sounds.useDefaults("/game");
        mixer.files = {{kMusic, 44100}};
        for (const SoundDefault& d : kSoundDefaults) mixer.files[defaultSoundPath("/game", d)] = 1;
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
};

TEST_F(SoundSystemTest, DefaultsConfigureEverySound) {
    const std::tuple<Sound, const char*, int, int> cases[] = {
        {Sound::mLeft1, "left1.WAV", -1322, 57299},
        {Sound::mDown2, "down2.WAV", -474, 33563},
        {Sound::mDelLin1, "dellin1.WAV", -589, 58506},
        {Sound::mDrop2, "drop2.WAV", -1034, 56092}};
    for (auto [id, file, volume, frequency] : cases) {
        const clsDMCtrl& s = sounds.object(id);
        EXPECT_EQ(s.DMCtrlPath(), std::string("/game/sound/") + file);
        EXPECT_EQ(s.DMCtrlVolume(), volume);
        EXPECT_EQ(s.DMCtrlFreq(), frequency);
        EXPECT_TRUE(s.DMCtrlEnabled());
    }
    EXPECT_EQ(sounds.settings.PathToBkgMusic, kMusic);
}

TEST_F(SoundSystemTest, PlayEventSoundCodes) {
    const char* byCode[] = {nullptr,       "tumblix1.WAV", "down1.WAV",   "left1.WAV", "right1.WAV",
                            "rotate1.WAV", "drop1.WAV",    "dellin1.WAV", nullptr};
    for (int code = 0; code <= 8; ++code) {
        sounds.PlayEventSound(code);
        Log log = mixer.take();
        EXPECT_EQ(log.empty() ? "" : log.front(),
                  byCode[code] ? std::string("load /game/sound/") + byCode[code] : "");
    }
    sounds.settings.EnableSoundControl = false;
    sounds.PlayEventSound(1);
    EXPECT_TRUE(mixer.take().empty());
}

TEST_F(SoundSystemTest, StartUpPlaysTheFileThenTheChosenVolumeAndRate) {
    sounds.startMusic();
    EXPECT_EQ(mixer.take(), (Log{"load " + kMusic, kMusic + " play loop", kMusic + " rewind",
                                 kMusic + " volume -707", kMusic + " frequency 46717"}));
    EXPECT_EQ(sounds.settings.freq, 46717);
}

TEST_F(SoundSystemTest, StartUpWithTheMusicOffStopsItAndDoesNotSweep) {
    sounds.settings.EnableLoop = false;
    sounds.startMusic();
    EXPECT_EQ(mixer.take()[3], kMusic + " stop");
    EXPECT_TRUE(sweep(3).empty());
    mixer.files.clear();
    sounds.startMusic();
    EXPECT_EQ(sounds.settings.PathToBkgMusic, "...");
    EXPECT_EQ(sounds.music.MusicVolume, -707);
}

TEST_F(SoundSystemTest, BalanceSweepSendsThePanThenTurnsOneStepBeyondFiveThousand) {
    sounds.startMusic();
    EXPECT_EQ(sweep(2), (std::vector<int>{0, 0}));  // no step: still sent every tick
    std::vector<int> expected;
    for (int p = 0; p <= 5500; p += 500) expected.push_back(p);
    for (int p = 5000; p >= -5500; p -= 500) expected.push_back(p);
    expected.push_back(-5000);
    sounds.settings.SpeedChange = 500;
    EXPECT_EQ(sweep(static_cast<int>(expected.size())), expected);
}

TEST(VariantChoice, FirstVariantOnlyAboveHalfInSinglePrecision) {
    const std::pair<double, bool> cases[] = {
        {0.0, false}, {0.5, false}, {0.500000001, false}, {0.50000006, true}, {0.9999, true}};
    for (auto [r, first] : cases) EXPECT_EQ(firstVariant(r), first) << r;
}

struct SweepingHost final : GameHost {
    void sweepMusicBalance() override { ++sweeps; }
    bool askNewGame() override { return false; }
    void closeMainWindow() override {}
    int sweeps = 0;
};

TEST(GravityTick, SweepsTheMusicBalanceAtEveryTickNotOnlyAtFallSteps) {
    test::FakeRandom random;
    test::FakeClock clock;
    SweepingHost host;
    test::RecordingCanvas board, next, future;
    Game game(random, clock, host, {board, next, future});
    game.Form_Load();
    for (int i = 0; i < 5; ++i) game.tmrDown_Timer();
    EXPECT_EQ(host.sweeps, 5);
}

}  // namespace
}  // namespace tumblix
