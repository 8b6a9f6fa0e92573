// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "mp3/mp3_play.h"
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
    for (std::size_t i = 0; i < kSoundCount; ++i)
        test::writeWave(defaultSoundPath(folder, static_cast<SoundId>(i)), 1, 1, 44100, 16, 2,
                        test::pcm16({1, 2, 3}));
    SoundSystem sounds(std::make_unique<OpenAlMixer>());
    sounds.applySettings(defaultSettings(folder));
    EXPECT_EQ(sounds.settings.PathToBkgMusic, "...");
    for (int i = 0; i < 10; ++i) {
        Sound s = static_cast<Sound>(i);
        sounds.play(s);
        EXPECT_TRUE(sounds.object(s).bFailedDMCtrl);
    }
    MP3Play music;
    music.FileName(defaultSoundPath(folder, SoundId::mLeft1));
    EXPECT_EQ(music.mmPlay(), "No sound device is available.");
    EXPECT_FALSE(music.IsPlaying());
}

}  // namespace
}  // namespace tumblix
