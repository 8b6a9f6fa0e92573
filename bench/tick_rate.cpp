// SPDX-License-Identifier: GPL-3.0-or-later
// How many gravity ticks the running program really delivers: the game asks for one every 2 ms,
// run in batches on the display frames. Runs the real main window for a few seconds and reports
// logical ticks per second, the wakes that ran them (batches) per second, the median and
// 99th-percentile time between batches, and the processor time spent while the figure falls.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "engine/random.h"
#include "ui/main_window.h"

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The main window that stamps each tick: the music's balance sweep comes once per tick.
class StampingWindow final : public tumblix::MainWindow {
  public:
    using MainWindow::MainWindow;
    void sweepMusicBalance() override { stamps.push_back(elapsed.nsecsElapsed()); }
    QElapsedTimer elapsed;
    std::vector<qint64> stamps;
};

void BM_RunningTickRate(benchmark::State& state) {
    const int seconds = static_cast<int>(state.range(0));
    for (auto _ : state) {
        tumblix::MersenneRandom random(11);
        tumblix::SystemClock clock;
        StampingWindow window(random, clock);
        window.start();
        std::vector<qint64>& stamps = window.stamps;
        stamps.reserve(static_cast<std::size_t>(seconds) * 1000);
        stamps.clear();
        QElapsedTimer& elapsed = window.elapsed;
        elapsed.start();
        double cpu0 = cpuSeconds();
        // From the first second on: the first batch also runs the ticks due during the start.
        std::size_t ticks0 = 0;
        qint64 t0 = 0;
        QTimer::singleShot(1000, Qt::PreciseTimer, [&] {
            window.gravity().catchUp();
            ticks0 = stamps.size();
            t0 = elapsed.nsecsElapsed();
        });
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [] { QApplication::exit(0); });
        QApplication::exec();
        window.gravity().catchUp();  // the ticks due by now, as the next input would run them
        double cpu = cpuSeconds() - cpu0;
        double wall = elapsed.nsecsElapsed() / 1e9;

        // Ticks less than 0.5 ms apart ran in one batch.
        std::vector<double> gaps;
        for (std::size_t i = 1; i < stamps.size(); ++i)
            if (stamps[i] - stamps[i - 1] > 500'000)
                gaps.push_back((stamps[i] - stamps[i - 1]) / 1e6);
        std::sort(gaps.begin(), gaps.end());
        auto pct = [&](double p) {
            return gaps.empty()
                       ? 0.0
                       : gaps[std::min(gaps.size() - 1, static_cast<std::size_t>(p * gaps.size()))];
        };
        state.counters["ticks_per_s"] = (stamps.size() - ticks0) / (wall - t0 / 1e9);
        state.counters["batches_per_s"] = (gaps.size() + 1) / wall;
        state.counters["p50_ms"] = pct(0.50);
        state.counters["p99_ms"] = pct(0.99);
        state.counters["max_ms"] = gaps.empty() ? 0.0 : gaps.back();
        state.counters["cpu_pct_of_core"] = 100.0 * cpu / wall;
        state.counters["figures_landed"] = static_cast<double>(window.game().state().Steps);
    }
}
BENCHMARK(BM_RunningTickRate)->Arg(8)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
