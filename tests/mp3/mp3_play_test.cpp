// SPDX-License-Identifier: GPL-3.0-or-later
// The player on files made here, mixed by OpenAL into a wave file in real time and measured
// after the device closed (at the end of a file, or its stop).
#include "mp3/mp3_play.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <future>

#include "mp3/music_stream.h"
#include "sound/wave_file.h"
#include "tonegen/tone_file.h"

namespace tumblix {
namespace {

using namespace std::chrono;
std::string rendered;
QTemporaryDir dir;

struct Mp3PlayTest : ::testing::Test {
    // A path with blanks and Cyrillic letters.
    std::string path(const std::string& name) {
        return dir.path().toStdString() + "/мои песни/" + name;
    }
    // Waits for the end; false when it does not come within `limit`.
    bool ends(MP3Play& player, milliseconds limit) {
        for (auto end = steady_clock::now() + limit;
             player.IsPlaying() && steady_clock::now() < end;)
            std::this_thread::sleep_for(5ms);
        return !player.IsPlaying();
    }
    // Seconds of tone the device rendered (rising zero crossings at 1 kHz), and its pitch from
    // the crossings' spacing, leaving out gaps.
    std::pair<double, double> heard() {
        std::vector<float> left = test::renderedSide(rendered, 0);
        std::vector<std::size_t> rises;
        for (std::size_t i = 1; i < left.size(); ++i)
            if (left[i - 1] < 0 && left[i] >= 0) rises.push_back(i);
        double spacing = 0, cycles = 0;
        for (std::size_t i = 1; i < rises.size(); ++i)
            if (rises[i] - rises[i - 1] - 40 < 10)  // 40 to 49 frames apart (unsigned)
                spacing += double(rises[i] - rises[i - 1]), ++cycles;
        return {double(rises.size()) / 1000, 44100 * cycles / spacing};
    }
    // What mmPlayAway answers, and whether it answered from a thread of its own.
    std::pair<std::string, bool> playAway() {
        std::promise<std::pair<std::string, bool>> answer;
        player.mmPlayAway([&, caller = std::this_thread::get_id()](const std::string& result) {
            answer.set_value({result, std::this_thread::get_id() != caller});
        });
        return answer.get_future().get();
    }
    MP3Play player;
};

TEST_F(Mp3PlayTest, EachFormatPlaysToItsEndAndAgainAndBadFilesGiveTheirTextsAndNeverHang) {
    // A second of tone comes out a little longer or shorter by each codec's framing; the replay
    // seeks to a point in it (WMA's seeks land less exactly, so it replays from the start).
    for (auto [encoder, ext, length, replay] : {std::tuple{"libmp3lame", "mp3", 1.052, 500},
                                                {"mp2", "mp2", 1.034, 500},
                                                {"wmav2", "wma", 0.974, 0}}) {
        SCOPED_TRACE(encoder);
        player.FileName(path(std::string("тон 1 kHz.") + ext));
        ASSERT_TRUE(tonegen::writeTone(player.FileName(), encoder, 1000, 1.0));
        ASSERT_EQ(player.mmPlay(), "Success");
        EXPECT_NE(player.mmPlay(), "Success");       // the open file stays
        std::filesystem::remove(player.FileName());  // and plays on, and again, when deleted
        EXPECT_TRUE(ends(player, 1500ms));
        // The device closes at the end (its file complete) and opens again for the seek, which
        // starts a new file: each holds one play.
        for (int play : {1, 2}) {
            auto [seconds, hz] = heard();
            EXPECT_NEAR(seconds, length - replay / 1000.0 * (play - 1), 0.02) << play;
            EXPECT_NEAR(hz, 1000, 5) << play;
            if (play == 2) break;
            player.SeekTo(replay);
            EXPECT_TRUE(player.IsPlaying());
            std::this_thread::sleep_for(100ms);
            EXPECT_NEAR(player.PositionMs(), replay + 100, 100);
            EXPECT_TRUE(ends(player, 1500ms));
        }
        player.mmStop();
    }
    // Bad files, played away from the caller as the window does: only the quick checks answer
    // at once.
    // Each case: a name, what puts the bad file there, the result (none: a reason of its own), and
    // how long it plays at most.
    using Make = void (*)(const std::string& path);
    const std::tuple<const char*, Make, const char*, milliseconds> cases[] = {
        {"", [](auto&) {}, "Error with input file", 0ms},
        {"missing.mp3", [](auto&) {}, "Error with input file", 0ms},
        {"pipe.mp3", [](auto& p) { mkfifo(p.c_str(), 0600); }, "Error with input file", 0ms},
        {"text.mp3", [](auto& p) { std::ofstream{p} << "Это не музыка\n"; }, nullptr, 0ms},
        {"cut.mp3",
         [](auto& p) {
             tonegen::writeTone(p, "libmp3lame", 440, 2.0);
             std::filesystem::resize_file(p, std::filesystem::file_size(p) / 4);
         },
         "Success", 900ms},
    };
    for (auto [name, make, wanted, plays] : cases) {
        player.FileName(*name ? path(name) : "");
        make(player.FileName());
        auto [result, away] = playAway();
        EXPECT_EQ(away, result != "Error with input file") << name;
        if (wanted)
            EXPECT_EQ(result, wanted) << name;
        else
            EXPECT_TRUE(result != "Success" && result != "Error with input file") << name;
        EXPECT_EQ(player.IsPlaying(), plays > 0ms) << name;
        EXPECT_TRUE(ends(player, plays)) << name;
        player.mmStop();
    }
}

// 1 kHz at 44.1 kHz, 2 s long, that stalls once, at `stallAt` frames, for 600 ms: a decoder
// that falls behind. Until then it notes the least lead of the reads over the play, which
// starts with the first read (the first queue's reads left out).
struct SlowTone final : AudioStream {
    explicit SlowTone(std::int64_t stallAt) : stallAt(stallAt) {}
    int rate() const override { return 44100; }
    bool failed() const override { return false; }
    bool seek(std::int64_t ms) override { return at = ms * 441 / 10, true; }
    std::size_t read(std::vector<std::int16_t>& out, std::size_t frames) override {
        if (at == 0) start = steady_clock::now();
        if (at >= 16384 && !stalled)
            lead = std::min(lead, double(at) / 44.1 - double((steady_clock::now() - start) / 1ms));
        if (at >= stallAt && !stalled) std::this_thread::sleep_for(600ms), stalled = true;
        std::size_t n = std::min<std::size_t>(frames, std::size_t(std::max(88200 - at, 0L)));
        for (std::size_t i = 0; i < n; ++i, ++at)
            out.insert(out.end(), 2, std::int16_t(16000 * std::sin(2 * M_PI * double(at) / 44.1)));
        return n;
    }
    std::int64_t at = 0, stallAt;
    bool stalled = false;
    double lead = 1e9;
    steady_clock::time_point start;
};

// The queue is topped up before it runs dry, and the source plays again after it did, every
// frame once. A seek while playing starts the source again from there, and the position counts
// from there.
TEST_F(Mp3PlayTest, TheMusicPlaysOnAfterAnUnderrunAndASeek) {
    std::string why;
    auto until = [](MusicStream& stream) {
        for (int i = 0; i < 1000 && stream.playing(); ++i) std::this_thread::sleep_for(5ms);
    };
    auto slow = std::make_unique<SlowTone>(44100);
    SlowTone& tone = *slow;
    std::unique_ptr<MusicStream> stream = MusicStream::start(std::move(slow), why);
    until(*stream);
    EXPECT_GT(tone.lead, 30);  // 120 ms less the wake-up's lateness
    stream.reset();
    EXPECT_NEAR(heard().first, 2.0, 0.01);
    stream = MusicStream::start(std::make_unique<SlowTone>(INT64_MAX), why);
    std::this_thread::sleep_for(300ms);
    std::int64_t before = stream->positionMs();
    stream->seek(1500);
    std::this_thread::sleep_for(100ms);
    EXPECT_NEAR(stream->positionMs(), 1600, 80);
    until(*stream);
    stream.reset();
    EXPECT_NEAR(heard().first, double(before) / 1000 + 0.5, 0.03);
}

}  // namespace
}  // namespace tumblix

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    tumblix::rendered = tumblix::test::useWaveBackend(tumblix::dir);
    std::filesystem::create_directory(tumblix::dir.filePath("мои песни").toStdString());
    return RUN_ALL_TESTS();
}
