// How often the running program's gravity timer really fires: the game asks for 2 ms.
// Runs the real main window for a few seconds and reports ticks per second, the median and
// 99th-percentile interval, and the processor time spent while the figure falls.
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

void BM_RunningTickRate(benchmark::State& state) {
    const int seconds = static_cast<int>(state.range(0));
    for (auto _ : state) {
        tumblix::MersenneRandom random(11);
        tumblix::SystemClock clock;
        tumblix::MainWindow window(random, clock);
        window.start();
        std::vector<qint64> stamps;
        stamps.reserve(static_cast<std::size_t>(seconds) * 1000);
        QElapsedTimer elapsed;
        elapsed.start();
        QObject::connect(&window.timer(tumblix::Timer::tmrDown), &QTimer::timeout,
                         [&] { stamps.push_back(elapsed.nsecsElapsed()); });
        double cpu0 = cpuSeconds();
        QTimer::singleShot(seconds * 1000, [] { QApplication::exit(0); });
        QApplication::exec();
        double cpu = cpuSeconds() - cpu0;
        double wall = elapsed.nsecsElapsed() / 1e9;

        std::vector<double> gaps;
        for (std::size_t i = 1; i < stamps.size(); ++i)
            gaps.push_back((stamps[i] - stamps[i - 1]) / 1e6);
        std::sort(gaps.begin(), gaps.end());
        auto pct = [&](double p) {
            return gaps.empty()
                       ? 0.0
                       : gaps[std::min(gaps.size() - 1, static_cast<std::size_t>(p * gaps.size()))];
        };
        state.counters["ticks_per_s"] = stamps.size() / wall;
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
