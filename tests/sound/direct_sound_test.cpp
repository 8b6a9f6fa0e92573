// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/direct_sound.h"

#include <gtest/gtest.h>

#include "sound/fake_mixer.h"
#include "support/music_answer.h"

namespace tumblix {
namespace {

using Log = std::vector<std::string>;

struct DirectSoundTest : ::testing::Test {
    test::FakeMixer mixer;
    std::int32_t freq = 46717;
    DirectSound music{mixer, freq};
};

TEST_F(DirectSoundTest, PlayLoopsFromTheStartAndAnotherFileStartsOver) {
    music.StopBkgMusic();  // nothing loaded yet: quiet
    music.ResumeBkgMusic();
    EXPECT_EQ(music.GetBkgFreq(), 0);
    music.PlayBkgMusic("a.wav");
    EXPECT_EQ((std::pair{test::awaitMusic(music), freq}), std::pair(true, 22050));  // in order
    music.SetBkgFreq(30000);
    music.SetBkgVolume(-707);
    music.SetBkgPan(-5500);
    EXPECT_EQ(mixer.take(), (Log{"load a.wav", "a.wav play loop", "a.wav rewind",
                                 "a.wav frequency 30000", "a.wav volume -707", "a.wav pan -5500"}));
    for (int pan : {-10001, -10000, 10000, 10001}) music.SetBkgPan(static_cast<std::int16_t>(pan));
    EXPECT_EQ(mixer.take(), (Log{"a.wav pan -10000", "a.wav pan 10000"}));  // the mixer's ends
    music.PlayBkgMusic("b.wav");  // another file starts over
    music.SetBkgFreq(0);          // chosen while it opens: stays
    EXPECT_EQ((std::pair{test::awaitMusic(music), freq}), std::pair(true, 22050));
    music.DSRelease();
    EXPECT_EQ(mixer.take(),
              (Log{"a.wav stop", "a.wav released", "load b.wav", "b.wav play loop", "b.wav rewind",
                   "b.wav frequency 0", "b.wav stop", "b.wav released"}));
}

TEST_F(DirectSoundTest, FailedMusicDoesNothingButRemembersItsVolume) {
    static std::vector<std::string> reports;
    DirectSound failing(mixer, freq, [](const std::string& where) { reports.push_back(where); });
    std::vector<bool> told;
    auto tell = [&](bool opened) { told.push_back(opened); };
    failing.PlayBkgMusic("gone.wav", tell);
    failing.PlayBkgMusic("a.wav", tell);  // the answer about gone.wav comes too late
    ASSERT_TRUE(test::awaitMusic(failing));
    failing.PlayBkgMusic("gone.wav", tell);
    EXPECT_FALSE(failing.bFailedDS);  // until the answer
    ASSERT_TRUE(test::awaitMusic(failing));
    EXPECT_EQ(std::tuple(failing.bFailedDS, reports, told),
              std::tuple(true, Log{"DirectSound"}, std::vector<bool>{true, false}));
    mixer.take();
    failing.SetBkgVolume(-1000);
    failing.SetBkgFreq(30000);
    failing.SetBkgPan(500);
    failing.StopBkgMusic();
    failing.ResumeBkgMusic();
    EXPECT_TRUE(mixer.take().empty());
    EXPECT_EQ(failing.GetBkgVolume() + failing.GetBkgFreq(), 0);
    failing.PlayBkgMusic("gone.wav");
    failing.DSRelease();  // before the answer: it is never heard
    QCoreApplication::processEvents();
    EXPECT_FALSE(failing.bFailedDS);
    EXPECT_EQ(failing.GetBkgVolume(), -1000);
}

}  // namespace
}  // namespace tumblix
