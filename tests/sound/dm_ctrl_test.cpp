#include "sound/dm_ctrl.h"

#include <gtest/gtest.h>

#include "sound/fake_mixer.h"

namespace tumblix {
namespace {

using Log = std::vector<std::string>;

int reports = 0;
void countReport(const std::string& where) {
    EXPECT_EQ(where, "DMCtrl");
    ++reports;
}

struct DMCtrlTest : ::testing::Test {
    DMCtrlTest() {
        reports = 0;
        sound.DMCtrlPath("a.wav");
        sound.DMCtrlVolume(-600);
        sound.DMCtrlEnabled(true);
    }
    test::FakeMixer mixer;
    bool soundsOn = true;
    clsDMCtrl sound{mixer, soundsOn, &countReport};
};

TEST_F(DMCtrlTest, FirstPlayLoadsConfiguresAndPlaysFromTheStart) {
    EXPECT_TRUE(mixer.log.empty());
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take(), (Log{"load a.wav", "a.wav volume -600", "a.wav frequency 0",
                                 "a.wav play once", "a.wav rewind"}));
    EXPECT_EQ(sound.DMCtrlFreq(), 22050);  // the file's own rate
    EXPECT_FALSE(sound.bFailedDMCtrl);
    sound.DMCtrlPlay();  // a replay restarts the loaded buffer
    EXPECT_EQ(mixer.take(), (Log{"a.wav play once", "a.wav rewind"}));
}

TEST_F(DMCtrlTest, ChangeOfPathVolumeOrFrequencyReloadsAtTheNextPlay) {
    sound.DMCtrlPlay();
    sound.DMCtrlPlay();
    mixer.take();
    sound.DMCtrlVolume(-100);
    EXPECT_TRUE(mixer.log.empty());  // nothing happens before the play
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take(), (Log{"a.wav stop", "a.wav released", "load a.wav", "a.wav volume -100",
                                 "a.wav frequency 22050", "a.wav play once", "a.wav rewind"}));
    sound.DMCtrlFreq(30000);
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take()[4], "a.wav frequency 30000");
    EXPECT_EQ(sound.DMCtrlFreq(), 30000);
    sound.DMCtrlPath("b.wav");
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take()[2], "load b.wav");
}

TEST_F(DMCtrlTest, SwitchesSilenceWithoutLoadingAndKeepTheBuffer) {
    soundsOn = false;
    sound.DMCtrlPlay();
    EXPECT_TRUE(mixer.take().empty());  // marked for reload, still no file access
    soundsOn = true;
    sound.DMCtrlPlay();
    mixer.take();
    sound.DMCtrlEnabled(false);
    sound.DMCtrlPlay();
    EXPECT_TRUE(mixer.take().empty());
    sound.DMCtrlEnabled(true);
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take(), (Log{"a.wav play once", "a.wav rewind"}));
    EXPECT_TRUE(sound.DMCtrlEnabled());
}

TEST_F(DMCtrlTest, MissingFileFailsSilentlyAndEveryPlayTriesAgain) {
    sound.DMCtrlPath("gone.wav");
    sound.DMCtrlFreq(44100);
    for (int i = 0; i < 2; ++i) {
        sound.DMCtrlPlay();
        EXPECT_EQ(mixer.take(), Log{"load gone.wav"});
        EXPECT_TRUE(sound.bFailedDMCtrl);
        EXPECT_EQ(sound.DMCtrlFreq(), 0);
    }
    EXPECT_EQ(reports, 2);
    mixer.files["gone.wav"] = 8000;  // the file came back
    sound.DMCtrlPlay();
    EXPECT_FALSE(sound.bFailedDMCtrl);
    EXPECT_EQ(sound.DMCtrlFreq(), 44100);
    EXPECT_EQ(sound.DMCtrlPath(), "gone.wav");
}

struct Setting {
    std::int16_t volume;
    std::int32_t frequency;
    bool accepted;
};

class DMCtrlRangeTest : public DMCtrlTest, public ::testing::WithParamInterface<Setting> {};

TEST_P(DMCtrlRangeTest, ValuesTheDeviceRefusesReleaseTheSoundUntilTheNextPlay) {
    sound.DMCtrlVolume(GetParam().volume);
    sound.DMCtrlFreq(GetParam().frequency);
    sound.DMCtrlPlay();
    Log log = mixer.take();
    EXPECT_EQ(log.back(), GetParam().accepted ? "a.wav rewind" : "a.wav released");
    EXPECT_EQ(reports, GetParam().accepted ? 0 : 1);
    EXPECT_FALSE(sound.bFailedDMCtrl);
    sound.DMCtrlPlay();
    EXPECT_EQ(mixer.take().front(), GetParam().accepted ? "a.wav play once" : "load a.wav");
}

INSTANTIATE_TEST_SUITE_P(Limits, DMCtrlRangeTest,
                         ::testing::Values(Setting{0, 0, true}, Setting{-10000, 100, true},
                                           Setting{-10001, 0, false}, Setting{1, 0, false},
                                           Setting{0, 200000, true}, Setting{0, 200001, false},
                                           Setting{0, 99, false}, Setting{0, -44100, false}),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace tumblix
