// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dm_ctrl.h"

#include <gtest/gtest.h>

#include "sound/fake_mixer.h"

namespace tumblix {
namespace {

using Log = std::vector<std::string>;

std::vector<std::string> reports;

struct DMCtrlTest : ::testing::Test {
    DMCtrlTest() {
        reports.clear();
        sound.DMCtrlPath("a.wav");
        sound.DMCtrlVolume(-600);
        sound.DMCtrlEnabled(true);
    }
    test::FakeMixer mixer;
    bool soundsOn = true;
    clsDMCtrl sound{mixer, soundsOn, [](const std::string& where) { reports.push_back(where); }};
};

// A play loads the file at its first play and after each change; sounds switched off or this
// one disabled play nothing and keep the buffer; a file that is missing fails silently,
// reported, at each play until it comes back.
TEST_F(DMCtrlTest, APlayLoadsAfterEachChangeAndAMissingFileIsTriedAgainAtEachPlay) {
    soundsOn = false;
    sound.DMCtrlPlay();
    soundsOn = true;
    EXPECT_TRUE(mixer.log.empty());
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take(), (Log{"load a.wav", "a.wav volume -600", "a.wav frequency 0",
                                 "a.wav play once", "a.wav rewind"}));
    EXPECT_EQ(sound.DMCtrlFreq(), 22050);  // the file's own rate
    for (bool on : {false, true}) {
        sound.DMCtrlEnabled(on);
        sound.DMCtrlPlay();
        EXPECT_EQ(mixer.take(), (on ? Log{"a.wav play once", "a.wav rewind"} : Log{})) << on;
    }
    sound.DMCtrlVolume(-100);
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take(), (Log{"a.wav stop", "a.wav released", "load a.wav", "a.wav volume -100",
                                 "a.wav frequency 22050", "a.wav play once", "a.wav rewind"}));
    sound.DMCtrlFreq(30000);
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take(), (Log{"a.wav stop", "a.wav released", "load a.wav", "a.wav volume -100",
                                 "a.wav frequency 30000", "a.wav play once", "a.wav rewind"}));
    sound.DMCtrlPath("gone.wav");
    for (Log tried : {Log{"a.wav stop", "a.wav released", "load gone.wav"}, {"load gone.wav"}}) {
        sound.DMCtrlPlay();
        EXPECT_EQ(std::tuple(mixer.take(), sound.bFailedDMCtrl, sound.DMCtrlFreq()),
                  std::tuple(tried, true, 0));
    }
    EXPECT_EQ(reports, (Log{"DMCtrl", "DMCtrl"}));
    mixer.files["gone.wav"] = 8000;  // the file came back
    sound.DMCtrlPlay();
    EXPECT_EQ(std::tuple(mixer.take()[2], sound.bFailedDMCtrl, sound.DMCtrlFreq()),
              std::tuple("gone.wav frequency 30000", false, 30000));
}

TEST_F(DMCtrlTest, ValuesTheDeviceRefusesReleaseTheSoundUntilTheNextPlay) {
    const std::tuple<std::int16_t, std::int32_t, bool> cases[] = {
        // volume, frequency, accepted
        {0, 0, true},      {-10000, 100, true}, {-10001, 0, false}, {1, 0, false},
        {0, 200000, true}, {0, 200001, false},  {0, 99, false},     {0, -44100, false}};
    for (auto [volume, frequency, accepted] : cases) {
        sound.DMCtrlVolume(volume);
        sound.DMCtrlFreq(frequency);
        sound.DMCtrlPlay();
        EXPECT_EQ(mixer.take().back(), accepted ? "a.wav rewind" : "a.wav released") << volume;
        EXPECT_FALSE(sound.bFailedDMCtrl);
        sound.DMCtrlPlay();
        EXPECT_EQ(mixer.take().front(), accepted ? "a.wav play once" : "load a.wav") << frequency;
    }
    EXPECT_EQ(reports.size(), 10u);
}

}  // namespace
}  // namespace tumblix
