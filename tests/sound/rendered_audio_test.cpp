#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#include "sound/direct_sound.h"
#include "sound/dm_ctrl.h"
#include "sound/openal_mixer.h"
#include "sound/rendered_audio.h"
#include "sound/wave_file.h"

namespace tumblix {
namespace {

using namespace std::chrono_literals;

struct RenderedAudioTest : ::testing::Test {
    // A mono 16-bit sine of hz at 44.1 kHz, 0.2 s long.
    std::string sine(const char* name, double hz) {
        std::vector<std::int16_t> s(8820);
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<std::int16_t>(
                std::lround(16000 * std::sin(2 * M_PI * hz * double(i) / 44100)));
        std::string path = dir.filePath(name).toStdString();
        test::writeWave(path, 1, 1, 44100, 16, 2, test::pcm16(s));
        return path;
    }
    // Plays the event sound of file at volume and frequency on a device of its own.
    test::Rendered render(const std::string& file, std::int16_t volume, std::int32_t frequency) {
        {
            OpenAlMixer mixer;
            bool on = true;
            clsDMCtrl sound(mixer, on);
            sound.DMCtrlPath(file);
            sound.DMCtrlEnabled(true);
            sound.DMCtrlVolume(volume);
            sound.DMCtrlFreq(frequency);
            sound.DMCtrlPlay();
            EXPECT_FALSE(sound.bFailedDMCtrl);
            EXPECT_EQ(sound.DMCtrlFreq(), frequency ? frequency : 44100);
            std::this_thread::sleep_for(300ms);
        }
        return test::readRendered();
    }
    QTemporaryDir dir;
};

TEST_F(RenderedAudioTest, VolumeIsInHundredthsOfADecibel) {
    std::string file = sine("a.wav", 440);
    test::Rendered full = render(file, 0, 0), lower = render(file, -600, 0);
    ASSERT_GT(full.left.size(), 8820u);
    EXPECT_NEAR(lower.energyDb(lower.left) - full.energyDb(full.left), -6.0, 0.1);
    EXPECT_NEAR(full.energyDb(full.right), full.energyDb(full.left), 0.01);  // a centred sound
}

TEST_F(RenderedAudioTest, FrequencyMovesThePitchByItsRatioToTheFilesRate) {
    test::Rendered r = render(sine("a.wav", 1000), 0, 66150);
    EXPECT_NEAR(r.pitch(), 1500.0, 4.0);
}

TEST_F(RenderedAudioTest, MusicPannedRightIsFiftyDecibelsQuieterOnTheLeft) {
    std::string file = sine("m.wav", 440);
    test::Rendered r;
    {
        OpenAlMixer mixer;
        std::int32_t freq = 0;
        DirectSound music(mixer, freq);
        music.PlayBkgMusic(file);
        music.SetBkgPan(5000);
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(freq, 44100);
    }
    r = test::readRendered();
    EXPECT_NEAR(r.energyDb(r.left, 2048) - r.energyDb(r.right, 2048), -50.0, 0.3);
}

TEST_F(RenderedAudioTest, TwoSoundsOverlap) {
    std::string low = sine("low.wav", 440), high = sine("high.wav", 660);
    test::Rendered r;
    {
        OpenAlMixer mixer;
        bool on = true;
        clsDMCtrl a(mixer, on), b(mixer, on);
        for (auto [sound, file] : {std::pair{&a, low}, std::pair{&b, high}}) {
            sound->DMCtrlPath(file);
            sound->DMCtrlEnabled(true);
            sound->DMCtrlPlay();
        }
        std::this_thread::sleep_for(300ms);
    }
    r = test::readRendered();
    std::size_t start = 0;
    while (start < r.left.size() && r.left[start] == 0) ++start;
    double l = r.tone(440, start + 1000, start + 5000), h = r.tone(660, start + 1000, start + 5000);
    EXPECT_GT(l, 0.1);
    EXPECT_NEAR(h / l, 1.0, 0.1);
}

// The wave backend loses its device when its file can no longer be written.
TEST_F(RenderedAudioTest, DeviceThatDisappearsLeavesEverySoundSilent) {
    std::string file = sine("a.wav", 440);
    std::filesystem::remove(test::renderedFile());
    std::filesystem::create_symlink("/dev/full", test::renderedFile());
    {
        OpenAlMixer mixer;
        bool on = true;
        clsDMCtrl sound(mixer, on);
        sound.DMCtrlPath(file);
        sound.DMCtrlEnabled(true);
        sound.DMCtrlPlay();
        EXPECT_FALSE(sound.bFailedDMCtrl);
        for (int i = 0; i < 100 && mixer.deviceReady(); ++i) std::this_thread::sleep_for(5ms);
        EXPECT_FALSE(mixer.deviceReady());
        sound.DMCtrlPlay();  // the loaded sound plays into nothing
        sound.DMCtrlVolume(-100);
        sound.DMCtrlPlay();
        EXPECT_TRUE(sound.bFailedDMCtrl);
        EXPECT_EQ(sound.DMCtrlFreq(), 0);
        std::int32_t freq = 0;
        DirectSound music(mixer, freq);
        music.PlayBkgMusic(file);
        EXPECT_TRUE(music.bFailedDS);
    }
    std::filesystem::remove(test::renderedFile());
}

}  // namespace
}  // namespace tumblix
