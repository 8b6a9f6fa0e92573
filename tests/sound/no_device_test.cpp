#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "sound/openal_mixer.h"
#include "sound/sound_system.h"
#include "sound/wave_file.h"

namespace tumblix {
namespace {

// OpenAL given no backend that can play, as on a machine without a sound card: every sound is
// silent and failed, and nothing else changes.
TEST(NoDevice, EverySoundIsSilentAndTheGameGoesOn) {
    setenv("ALSOFT_DRIVERS", "no-such-backend", 1);  // before OpenAL's first call
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    QDir(dir.path()).mkpath("sound");
    for (const SoundDefault& d : kSoundDefaults)
        test::writeWave(defaultSoundPath(folder, d), 1, 1, 44100, 16, 2, test::pcm16({1, 2, 3}));
    SoundSystem sounds(std::make_unique<OpenAlMixer>());
    sounds.useDefaults(folder);
    sounds.startMusic();
    EXPECT_EQ(sounds.settings.PathToBkgMusic, "...");
    for (const SoundDefault& d : kSoundDefaults) {
        sounds.play(d.sound);
        EXPECT_TRUE(sounds.object(d.sound).bFailedDMCtrl);
        EXPECT_EQ(sounds.object(d.sound).DMCtrlFreq(), 0);
    }
}

}  // namespace
}  // namespace tumblix
