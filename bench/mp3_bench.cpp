// SPDX-License-Identifier: GPL-3.0-or-later
// The MP3 player's costs: the time from "Select" until the first sample of the chosen file has
// been mixed (and how long of it the user-interface thread is held), and the CPU time the
// process uses while an MP3 plays. OpenAL mixes in real time into nothing, with the game's own
// mixing period, so its mixer thread's work is counted too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "mp3/mp3_play.h"
#include "mp3/mp3_window.h"
#include "tonegen/tone_file.h"

namespace {

using namespace tumblix;
using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Voluntary context switches of all the process's threads: how often it has slept and woken.
std::int64_t wakeups() {
    std::int64_t sum = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) sum += std::stoll(line.substr(24));
    }
    return sum;
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A player window choosing two 3-minute MP3 files in turn, so every "Select" starts one anew.
struct Rig {
    Rig() {
        for (const char* name : {"a.mp3", "b.mp3"})
            writeOk &= tonegen::writeTone(files.emplace_back(dir.filePath(name).toStdString()),
                                          "libmp3lame", 440, 180);
        window.setChooseFile([this](const std::string&) { return files[next++ % 2]; });
    }
    QTemporaryDir dir;
    std::vector<std::string> files;
    std::size_t next = 0;
    bool writeOk = true;
    Settings settings;
    MP3Play* player = new MP3Play;
    Mp3Window window{nullptr, settings, std::unique_ptr<Mp3Player>(player)};
};

// The position moves once the worker has queued the first buffers and started the source; the
// mixer takes them up within one mixing period (11.6 ms) more.
void BM_SelectToFirstSample(benchmark::State& state) {
    Rig rig;
    double ui = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        rig.window.cmdOpen_Click();
        ui += seconds(start);
        while (rig.player->IsPlaying() && rig.player->PositionMs() == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        state.SetIterationTime(seconds(start));
    }
    state.counters["ui_thread_ms"] = ui * 1e3 / double(state.iterations());
    state.counters["playing"] = rig.player->IsPlaying() && rig.writeOk;
}
BENCHMARK(BM_SelectToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The share of one core the process uses while the MP3 plays, and how often it wakes (the
// mixer's thread, the player's worker and this one's sleep).
void BM_CpuWhilePlaying(benchmark::State& state) {
    Rig rig;
    rig.window.cmdOpen_Click();
    double cpu = 0, wall = 0;
    std::int64_t woken = 0;
    for (auto _ : state) {
        double cpuStart = cpuSeconds();
        std::int64_t wakeStart = wakeups();
        auto start = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        cpu += cpuSeconds() - cpuStart;
        woken += wakeups() - wakeStart;
        wall += seconds(start);
    }
    state.counters["cpu_percent"] = 100 * cpu / wall;
    state.counters["wakeups_per_s"] = double(woken) / wall;
    state.counters["playing"] = rig.player->IsPlaying();
}
BENCHMARK(BM_CpuWhilePlaying)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("ALSOFT_CONF", TUMBLIX_ALSOFT_CONF, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
