// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's hot paths: a gravity tick that does nothing, a tick that moves the figure down a
// row, and a landing that removes four rows and repaints the whole board.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/canvas.h"
#include "engine/game.h"

namespace {

using namespace tumblix;

// Counts the drawing commands, so each result also shows how much was drawn.
class CountingCanvas final : public Canvas {
  public:
    std::int64_t calls = 0;
    void clear() override { ++calls; }
    void setBackColor(Color) override { ++calls; }
    void setFillColor(Color) override { ++calls; }
    void setLineStyle(LineStyle) override { ++calls; }
    void fillBox(double, double, double, double, Color) override { ++calls; }
    void frameBox(double, double, double, double, Color) override { ++calls; }
    void line(double, double, double, double, Color) override { ++calls; }
};

// Always 0.3: every figure is the I (kind 2 of 7), never a Tumblix figure.
class FixedRandom final : public Random {
  public:
    double next() override { return 0.3; }
    void reseed(double) override {}
};

class FixedClock final : public Clock {
  public:
    int seconds() const override { return 0; }
    double timer() const override { return 43200.0; }
};

class StubHost final : public GameHost {
  public:
    bool askNewGame() override { return false; }
    void closeMainWindow() override {}
};

// A started game on fake windows, the figure being a vertical I at the start column.
struct Bench {
    FixedRandom random;
    FixedClock clock;
    StubHost host;
    CountingCanvas board;
    NullCanvas next, future;
    Game game{random, clock, host, Canvases{board, next, future}};

    Bench() { game.Form_Load(); }
    GameState& s() { return game.state(); }
    bool verticalI() const {
        return game.state().Figure == boxFromRows({".#..", ".#..", ".#..", ".#.."});
    }
};

int g_setupErrors = 0;
bool check(benchmark::State& state, bool ok, const char* what) {
    if (!ok) {
        ++g_setupErrors;
        state.SkipWithError(what);
    }
    return ok;
}

void reportDrawing(benchmark::State& state, const CountingCanvas& canvas) {
    state.counters["canvas_calls"] =
        benchmark::Counter(static_cast<double>(canvas.calls), benchmark::Counter::kAvgIterations);
}

// A tick below the fall threshold. Arg 0: the time bonus is still counting down (its labels
// are rewritten on every tick); arg 1: the bonus has run out.
void BM_TickWithoutFall(benchmark::State& state) {
    Bench b;
    const int timeCounter = state.range(0) == 0 ? 0 : 201;
    b.s().TickCount = 0;
    b.s().TimeCounter = timeCounter;
    b.game.tmrDown_Timer();
    if (!check(state, b.s().TickCount == 1 && b.s().FigureY == 0, "the tick moved the figure"))
        return;
    b.board.calls = 0;
    for (auto _ : state) {
        b.s().TickCount = 0;
        b.s().TimeCounter = timeCounter;
        b.game.tmrDown_Timer();
    }
    benchmark::DoNotOptimize(b.s().TickCount);
    reportDrawing(state, b.board);
}
BENCHMARK(BM_TickWithoutFall)->Arg(0)->Arg(1);

// The tick that reaches the threshold: the figure is redrawn and falls one row.
void BM_FallStep(benchmark::State& state) {
    Bench b;
    const int lastQuietTick = 150 - b.s().Speed - 1;
    b.s().TickCount = lastQuietTick;
    b.game.tmrDown_Timer();
    if (!check(state, b.s().FigureY == 1 && b.s().TickCount == 0, "the tick did not fall")) return;
    b.board.calls = 0;
    for (auto _ : state) {
        b.s().FigureY = 0;
        b.s().TickCount = lastQuietTick;
        b.game.tmrDown_Timer();
    }
    benchmark::DoNotOptimize(b.s().FigureY);
    reportDrawing(state, b.board);
}
BENCHMARK(BM_FallStep);

// A dropped vertical I fills the gap in four full rows that lie on a mid-game heap: the landing
// removes them, scores, repaints the board (the heap) and its grid, and brings in the next figure.
void BM_LandFourRows(benchmark::State& state) {
    Bench b;
    if (!check(state, b.verticalI(), "the first figure is not a vertical I")) return;
    const char* full = "######.########";  // the I's column (board column 10) left open
    const std::vector<std::string_view> heap = {"#.#####.####.##", "####.####.#####",
                                                "##.#######.####", ".#############.",
                                                "#######.#######", "###.#########.#"};
    std::vector<std::string_view> picture = {full, full, full, full};
    picture.insert(picture.end(), heap.begin(), heap.end());
    b.s().board = Board::fromPicture(picture);
    b.s().FigureY = Board::kLastRow - static_cast<int>(picture.size()) + 1;
    b.s().Dropping = true;
    const GameState start = b.s();
    const Panel startPanel = b.game.panel();

    b.game.tmrDown_Timer();
    bool removed = b.s().board.picture(0) == Board::fromPicture(heap).picture(0);
    if (!check(state, removed && b.s().LinesCount[3] == 1 && b.s().FigureY == 0,
               "the landing did not remove the four rows"))
        return;
    b.board.calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.s() = start;
        b.game.panel() = startPanel;  // the statistics list would grow without end
        state.ResumeTiming();
        b.game.tmrDown_Timer();
    }
    benchmark::DoNotOptimize(b.s().Score);
    reportDrawing(state, b.board);
}
BENCHMARK(BM_LandFourRows);

}  // namespace

// Exits non-zero when a scene could not be set up, so a smoke run catches a stale benchmark.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return g_setupErrors == 0 ? 0 : 1;
}
