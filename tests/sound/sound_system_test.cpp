// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_system.h"

#include <gtest/gtest.h>

#include "engine/random.h"
#include "mp3/mp3_play.h"
#include "sound/fake_mixer.h"
#include "sound/openal_mixer.h"
#include "sound/wave_file.h"
#include "support/music_answer.h"

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

// The file plays, then takes the chosen volume and rate; the balance is sent at every tick and
// turns one step beyond 5000. With the music off it stops at once and the balance rests.
TEST_F(SoundSystemTest, StartUpPlaysTheMusicWhoseBalanceSweepsAndTheSettingsComeBack) {
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
    // Each sound takes its settings, and they all come back as the objects report them.
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

// The drop and landing sounds' first variant plays for a draw above one half in single precision.
TEST(SoundVariant, TheFirstPlaysAboveOneHalfAsAFloat) {
    const std::pair<double, bool> cases[] = {
        {0.5, false}, {0.50000001, false}, {0.49999999, false}, {0.5000001, true}};
    for (auto [r, first] : cases) EXPECT_EQ(firstVariant(r), first) << r;
}

// The music loops from the start and another file starts over; failed music does nothing but
// remembers its volume.
TEST(DirectSound, PlayLoopsFromTheStartAnotherFileStartsOverAndFailedMusicKeepsItsVolume) {
    test::FakeMixer mixer;
    std::int32_t freq = 46717;
    DirectSound music{mixer, freq};
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

// Each sound object on its own. A play loads the file at its first play and after each change;
// sounds switched off or this one disabled play nothing and keep the buffer; a file that is
// missing fails silently, reported, at each play until it comes back. Values the device refuses
// release the sound until the next play.
TEST(DMCtrl, APlayLoadsAfterEachChangeAMissingFileIsTriedAgainAndRefusedValuesRelease) {
    static std::vector<std::string> reports;
    test::FakeMixer mixer;
    bool soundsOn = false;
    clsDMCtrl sound{mixer, soundsOn, [](const std::string& where) { reports.push_back(where); }};
    sound.DMCtrlPath("a.wav");
    sound.DMCtrlVolume(-600);
    sound.DMCtrlEnabled(true);
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
    sound.DMCtrlPath("a.wav");
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
    EXPECT_EQ(reports.size(), 12u);
}

// OpenAL given no backend that can play, as on a machine without a sound card: a sound is silent
// and failed, the music too, and nothing else changes.
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
    ASSERT_TRUE(test::awaitMusic(sounds.music));
    EXPECT_EQ(sounds.settings.PathToBkgMusic, "...");
    sounds.play(Sound::mLeft1);
    EXPECT_TRUE(sounds.object(Sound::mLeft1).bFailedDMCtrl);
    MP3Play music;
    music.FileName(defaultSoundPath(folder, SoundId::mLeft1));
    EXPECT_EQ(music.mmPlay(), "No sound device is available.");
    EXPECT_FALSE(music.IsPlaying());
}

}  // namespace
}  // namespace tumblix
