// SPDX-License-Identifier: GPL-3.0-or-later
// Real audio: OpenAL mixes into a wave file in real time instead of a sound card, and the file
// is measured after the device closed. The backend is chosen when OpenAL starts, so main sets
// it up before any test runs.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <cmath>
#include <filesystem>

#include "sound/dm_ctrl.h"
#include "sound/openal_mixer.h"
#include "sound/wave_file.h"
#include "support/music_answer.h"

std::string output;  // the backend's file

namespace tumblix {
namespace {

using namespace std::chrono_literals;

// What the backend wrote: float stereo at 44.1 kHz.
struct Rendered {
    std::vector<float> left, right;
    static Rendered read() {
        return {test::renderedSide(output, 0), test::renderedSide(output, 1)};
    }
    // Energy from frame `from` on, in decibels.
    static double db(const std::vector<float>& side, std::size_t from = 0) {
        double e = 1e-30;
        for (std::size_t i = from; i < side.size(); ++i) e += double(side[i]) * side[i];
        return 10 * std::log10(e);
    }
    // The left side's frequency from its rising zero crossings.
    double pitch() const {
        std::size_t first = 0, last = 0, n = 0;
        for (std::size_t i = 1; i < left.size(); ++i)
            if (left[i - 1] < 0 && left[i] >= 0) (n++ ? last : first) = i;
        return n < 2 ? 0 : 44100.0 * double(n - 1) / double(last - first);
    }
};

struct RenderedAudioTest : ::testing::Test {
    // A mono sine of hz, 0.2 s long at the file's rate.
    std::string sine(double hz, std::uint32_t rate = 44100) {
        std::vector<std::int16_t> s(rate / 5);
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = std::int16_t(std::lround(16000 * std::sin(2 * M_PI * hz * double(i) / rate)));
        std::string path = dir.filePath(QString::number(hz + rate)).toStdString();
        test::writeWave(path, 1, 1, rate, 16, 2, test::pcm16(s));
        return path;
    }
    std::unique_ptr<clsDMCtrl> play(Mixer& mixer, const std::string& file, std::int16_t volume,
                                    std::int32_t frequency) {
        auto s = std::make_unique<clsDMCtrl>(mixer, on);
        s->DMCtrlPath(file);
        s->DMCtrlEnabled(true);
        s->DMCtrlVolume(volume);
        s->DMCtrlFreq(frequency);
        s->DMCtrlPlay();
        return s;
    }
    // Event sounds of the given files, volumes and rates played together on a device of their own.
    Rendered render(const std::vector<std::tuple<std::string, std::int16_t, std::int32_t>>& plays) {
        {
            OpenAlMixer mixer;
            std::vector<std::unique_ptr<clsDMCtrl>> sounds;
            for (const auto& [file, volume, frequency] : plays) {
                auto& s = *sounds.emplace_back(play(mixer, file, volume, frequency));
                EXPECT_EQ(s.DMCtrlFreq(), frequency ? frequency : 44100);
            }
            std::this_thread::sleep_for(300ms);
        }
        return Rendered::read();
    }
    // Mono samples at 44.1 kHz played as the music at the pan on a device of its own, while
    // `meanwhile` runs.
    template <typename F>
    Rendered music(const std::vector<std::int16_t>& samples, std::int16_t pan, F meanwhile) {
        std::string file = dir.filePath("music.wav").toStdString();
        test::writeWave(file, 1, 1, 44100, 16, 2, test::pcm16(samples));
        {
            OpenAlMixer mixer;
            std::int32_t freq = 0;
            DirectSound music(mixer, freq);
            music.PlayBkgMusic(file);
            music.SetBkgPan(pan);
            meanwhile(music);
        }
        return Rendered::read();
    }
    // Streams the file; gives the rate told by the thread that opened it, -1 for this one.
    static int rateOf(Mixer& mixer, const std::string& f, std::unique_ptr<MixerBuffer>& s) {
        std::promise<int> told;
        s = mixer.stream(f, [&, caller = std::this_thread::get_id()](std::int32_t rate) {
            told.set_value(std::this_thread::get_id() == caller ? -1 : rate);
        });
        return s ? told.get_future().get() : -1;
    }
    // Plays on, as key presses do, until the sound loads on a device opened in the background.
    static void playUntilLoaded(clsDMCtrl& sound) {
        for (int i = 0; i < 1000 && sound.bFailedDMCtrl; ++i)
            std::this_thread::sleep_for(5ms), sound.DMCtrlPlay();
    }
    QTemporaryDir dir;
    bool on = true;
};

// The frequency moves the pitch by its ratio to the file's rate.
TEST_F(RenderedAudioTest, VolumeIsInHundredthsOfADecibelSoundsOverlapAndFrequencyIsPitch) {
    std::string low = sine(440), high = sine(660);
    Rendered full = render({{low, 0, 0}}), lower = render({{low, -600, 0}});
    Rendered both = render({{low, 0, 0}, {high, 0, 0}});
    ASSERT_GT(full.left.size(), 8820u);
    EXPECT_NEAR(Rendered::db(lower.left) - Rendered::db(full.left), -6.0, 0.1);
    EXPECT_NEAR(Rendered::db(full.right), Rendered::db(full.left), 0.01);  // centred
    EXPECT_NEAR(Rendered::db(both.left) - Rendered::db(full.left), 3.0, 0.2);
    EXPECT_NEAR(render({{sine(1000, 22050), 0, 33075}}).pitch(), 1500.0, 4.0);
}

// Switching the music on while it plays (a file picked while it was switched off) and after a
// stop, also one at once, plays it on from where it was: a rising ramp keeps rising, step by step.
// Panned right, the left side is 50 dB quieter.
TEST_F(RenderedAudioTest, ResumedMusicGoesOnFromWhereItWasAndPansInHundredthsOfADecibel) {
    std::vector<std::int16_t> rising(88200);
    for (std::size_t i = 0; i < rising.size(); ++i) rising[i] = std::int16_t(1000 + i / 4);
    Rendered r = music(rising, 5000, [](DirectSound& music) {
        music.StopBkgMusic();  // as a start-up with the music switched off does
        for (int step = 0; step < 3; ++step) {
            std::this_thread::sleep_for(150ms);
            if (step == 1) music.StopBkgMusic();
            std::this_thread::sleep_for(50ms);
            music.ResumeBkgMusic();
        }
        std::this_thread::sleep_for(150ms);
    });
    EXPECT_NEAR(Rendered::db(r.left, 2048) - Rendered::db(r.right, 2048), -50.0, 0.3);
    std::vector<float> heard;
    std::copy_if(r.right.begin(), r.right.end(), std::back_inserter(heard),
                 [](float s) { return s != 0; });
    ASSERT_GT(heard.size(), 13230u);
    EXPECT_EQ(std::is_sorted_until(heard.begin(), heard.end()) - heard.begin(),
              heard.end() - heard.begin());  // where it fell back
    float leap = 0;
    for (std::size_t i = 1; i < heard.size(); ++i) leap = std::max(leap, heard[i] - heard[i - 1]);
    EXPECT_LT(leap, 0.001f);  // nothing left out
}

// The music loops without a gap or a click: a cosine of 441 Hz, 44 whole periods long, comes
// out as one unbroken cosine through the seams, at the pitch of a frequency set before the file
// was open. Panned left, the right side is 30 dB quieter.
TEST_F(RenderedAudioTest, MusicLoopsWithoutASeamAndPansLeftInHundredthsOfADecibel) {
    std::vector<std::int16_t> wave(4400);
    for (std::size_t i = 0; i < wave.size(); ++i)
        wave[i] = std::int16_t(std::lround(16000 * std::cos(2 * M_PI * double(i) / 100)));
    Rendered r = music(wave, -3000, [](DirectSound& music) {
        music.SetBkgFreq(66150);  // taken up once the file is open
        std::this_thread::sleep_for(700ms);
    });
    auto heard = [](float s) { return s != 0; };
    auto first = std::find_if(r.left.begin(), r.left.end(), heard) - r.left.begin();
    auto last = std::find_if(r.left.rbegin(), r.left.rend(), heard).base() - r.left.begin();
    ASSERT_GT(last - first, 5 * 4400);
    float steepest = 0;
    for (auto i = first + 1; i < last; ++i)
        steepest = std::max(steepest, std::abs(r.left[i] - r.left[i - 1]));
    EXPECT_LT(steepest, 0.051f);  // the cosine's own at 661.5 Hz: 0.046
    EXPECT_NEAR(r.pitch(), 661.5, 3.0);
    EXPECT_NEAR(Rendered::db(r.right, 2048) - Rendered::db(r.left, 2048), -30.0, 0.3);
}

// A two-hour music file costs no more memory than a short one: it plays as it is read. Removed
// or cut short while it plays, it stops cleanly: the music falls silent, counts as lost and
// fails at its next load.
TEST_F(RenderedAudioTest, ALongMusicFilePlaysWithinItsQueuesMemoryAndStopsWhenRemovedOrCut) {
    for (bool removed : {true, false}) {
        std::string file = sine(440, 11025);  // 0.2 s of sound, then silence, sparse on the disk
        const std::uint32_t bytes = 2u * 3600 * 11025 * 2;
        std::fstream sizes(file, std::ios::in | std::ios::out | std::ios::binary);
        for (auto [at, size] : {std::pair{4, bytes + 36}, {40, bytes}})
            sizes.seekp(at).write(reinterpret_cast<const char*>(&size), 4);
        sizes.close();
        std::filesystem::resize_file(file, 44 + bytes);
        {
            rusage before{}, after{};
            getrusage(RUSAGE_SELF, &before);
            OpenAlMixer mixer;
            std::unique_ptr<MixerBuffer> music, again;
            ASSERT_EQ(rateOf(mixer, file, music), 11025);
            music->play(true);
            std::this_thread::sleep_for(300ms);
            getrusage(RUSAGE_SELF, &after);
            EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 32 << 10);  // held whole: over 900 MB
            removed ? (void)std::filesystem::remove(file) : std::filesystem::resize_file(file, 20);
            for (int i = 0; i < 1000 && !music->lost(); ++i) std::this_thread::sleep_for(10ms);
            EXPECT_TRUE(music->lost()) << removed;
            EXPECT_EQ(rateOf(mixer, file, again), 0) << removed;
            std::this_thread::sleep_for(100ms);
        }
        Rendered r = Rendered::read();
        EXPECT_GT(Rendered::db(r.left), 20.0) << removed;
        ASSERT_GT(r.left.size(), 1000u);
        EXPECT_EQ(Rendered::db(r.left, r.left.size() - 1000), Rendered::db({})) << removed;
    }
}

// A device missing at start, or lost when the backend's file can no longer be written, is tried
// again at a load, at most once every few seconds and in the background: no play waits for it,
// every sound fails meanwhile, and the first load after it opened plays.
TEST_F(RenderedAudioTest, AMissingOrLostDeviceIsTriedAgainInTheBackgroundEveryFewSeconds) {
    std::promise<void> plugged;
    std::shared_future<void> in = plugged.get_future().share();
    std::atomic<int> tries = 0;
    OpenAlMixer::Clock::time_point now;
    {
        OpenAlMixer mixer(
            [&]() -> ALCdevice* {
                if (++tries == 1) return nullptr;
                in.wait_for(10s);  // a try that waited would fail the plays below
                return alcOpenDevice(nullptr);
            },
            [&] { return now; });
        auto sound = play(mixer, sine(440), 0, 0);
        now += OpenAlMixer::kRetryEvery - 1ms;
        sound->DMCtrlPlay();
        std::this_thread::sleep_for(50ms);  // time for a try begun in the background to count
        EXPECT_EQ(tries, 1);
        now += 1ms;
        sound->DMCtrlPlay();  // starts the try, which hangs until plugged
        sound->DMCtrlPlay();
        EXPECT_TRUE(sound->bFailedDMCtrl);
        std::filesystem::remove(output);
        std::filesystem::create_symlink("/dev/full", output);
        plugged.set_value();
        playUntilLoaded(*sound);
        EXPECT_EQ(std::pair(sound->bFailedDMCtrl, int(tries)), std::pair(false, 2));
        for (int i = 0; i < 2000 && mixer.deviceReady(); ++i) std::this_thread::sleep_for(5ms);
        sound->DMCtrlPlay();
        EXPECT_TRUE(sound->bFailedDMCtrl);
        std::filesystem::remove(output);
        now += OpenAlMixer::kRetryEvery;
        playUntilLoaded(*sound);
        EXPECT_FALSE(sound->bFailedDMCtrl);
        std::this_thread::sleep_for(300ms);
    }
    EXPECT_GT(Rendered::db(Rendered::read().left), 20.0);  // the sine's 0.2 s: 30 dB
}

}  // namespace
}  // namespace tumblix

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the music's answers come through its events
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    output = tumblix::test::useWaveBackend(dir);
    return RUN_ALL_TESTS();
}
