#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "sound/openal_mixer.h"
#include "sound/sound_system.h"
#include "sound/wave_file.h"

namespace tumblix {
namespace {

// Without a sound device every sound is silent and failed, and nothing else changes.
TEST(NoDevice, EverySoundIsSilentAndTheGameGoesOn) {
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    QDir(dir.path()).mkpath("sound");
    for (const SoundDefault& d : kSoundDefaults)
        test::writeWave(defaultSoundPath(folder, d), 1, 1, 44100, 16, 2, test::pcm16({1, 2, 3}));
    SoundSystem sounds(std::make_unique<OpenAlMixer>());
    sounds.useDefaults(folder);
    sounds.startMusic();
    EXPECT_TRUE(sounds.music.bFailedDS);
    EXPECT_EQ(sounds.settings.PathToBkgMusic, "...");
    for (int code = 1; code <= 7; ++code) sounds.PlayEventSound(code);
    for (const SoundDefault& d : kSoundDefaults) {
        sounds.play(d.sound);
        EXPECT_TRUE(sounds.object(d.sound).bFailedDMCtrl);
        EXPECT_EQ(sounds.object(d.sound).DMCtrlFreq(), 0);
    }
    sounds.settings.SpeedChange = 500;
    sounds.sweepBalance();
    EXPECT_EQ(sounds.settings.ForLoop, 500);
}

}  // namespace
}  // namespace tumblix
