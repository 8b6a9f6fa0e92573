#include "engine/tick_driver.h"

#include <gtest/gtest.h>

#include <random>

#include "control/keyboard.h"
#include "support/fakes.h"

namespace tumblix::test {
namespace {

constexpr std::int64_t kPeriod = 2000;

struct FakeSteadyClock final : SteadyClock {
    std::int64_t micros() const override { return now; }
    std::int64_t now = 0;
};

TEST(TickDriverTest, RunsTheTicksDueKeepsThePhaseAndEndsABatchWhenATickStopsIt) {
    FakeSteadyClock clock;
    int ticks = 0;
    std::function<void()> inTick;
    TickDriver driver(clock, [&] {
        ++ticks;
        if (inTick) inTick();
    });
    driver.start();
    struct Step {
        std::int64_t at;
        int ran, until;
    } steps[] = {{1999, 0, 1}, {2000, 1, 2000}, {9999, 3, 1}, {10000, 1, 2000}};
    for (const Step& s : steps) {
        clock.now = s.at;
        EXPECT_EQ(driver.catchUp(), s.ran) << s.at;
        EXPECT_EQ(driver.untilNext(), s.until) << s.at;
    }
    driver.stop();
    clock.now = 20500;
    EXPECT_EQ(std::make_pair(driver.catchUp(), driver.untilNext()), std::make_pair(0, -1L));
    driver.start();  // a new phase: due 2 ms after the start
    clock.now = 22499;
    EXPECT_EQ(driver.catchUp(), 0);
    clock.now = 22500;
    EXPECT_EQ(driver.catchUp(), 1);

    // A call from inside a tick (a dialog's event loop) runs nothing; a tick that stops and
    // starts the driver again (a new game) ends the batch with the new phase.
    clock.now = 40000;
    inTick = [&] {
        EXPECT_EQ(driver.catchUp(), 0);
        if (ticks == 8) driver.stop(), driver.start();
    };
    EXPECT_EQ(driver.catchUp(), 2);
    EXPECT_EQ(driver.untilNext(), kPeriod);

    // A stall past a second is skipped: only the last second's ticks are run.
    inTick = nullptr;
    clock.now = 10'040'000;
    EXPECT_EQ(driver.catchUp(), 501);
}

// Keys and mouse moves at given moments, and the ticks a true 500 Hz timer gives between them.
struct Input {
    std::int64_t at;
    int key;  // 0: a mouse move over the board to x
    bool down;
    double x;
};

struct Play : PanelObserver {
    Play() {
        game.Form_Load();
        game.panel().setObserver(this);
    }
    bool gravity() { return game.panel().timer(Timer::tmrDown).enabled; }
    void act(const Input& in) {
        if (in.key == 0)
            buttons.picTumblix_MouseMove(in.x);
        else
            in.down ? keys.Form_KeyDown(in.key) : keys.Form_KeyUp(in.key);
    }
    // The window's wiring: the panel's gravity timer starts and stops the driver.
    void timerChanged(Timer t) override {
        if (t == Timer::tmrDown) gravity() ? driver.start() : driver.stop();
    }

    MersenneRandom random{2024};
    FakeClock clock;
    FakeHost host;
    RecordingCanvas board, next, future;
    Game game{random, clock, host, {board, next, future}};
    ControlButtons buttons{game};
    Menu menu{game, buttons};
    Keyboard keys{game, buttons, menu};
    FakeSteadyClock steady;
    TickDriver driver{steady, [this] { game.tmrDown_Timer(); }};
};

TEST(TickDriverTest, BatchedTicksPlayTheSameGameAsATickByTickTimer) {
    std::mt19937 gen(5);
    auto between = [&gen](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    const int keys[] = {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space, vk::Escape, 0};
    std::vector<Input> script;
    std::int64_t at = 0;
    for (int i = 0; i < 160; ++i) {
        Input in{at += between(1, 300'000), keys[between(0, 6)], true, between(0, 3760) * 1.0};
        script.push_back(in);
        if (in.key == vk::Escape)  // a short pause
            in.at = at += between(1, 500'000), script.push_back(in);
        else if (in.key != 0)
            script.push_back({at += between(1, 90'000), in.key, false, 0});
    }
    const std::int64_t end = at + 5'000'000;

    Play byTicks;  // each tick at its own moment
    std::int64_t due = kPeriod;
    auto ticksUntil = [&](std::int64_t t) {
        for (; byTicks.gravity() && due <= t; due += kPeriod) byTicks.game.tmrDown_Timer();
    };
    for (const Input& in : script) {
        ticksUntil(in.at);
        bool was = byTicks.gravity();
        byTicks.act(in);
        if (!was && byTicks.gravity()) due = in.at + kPeriod;
    }
    ticksUntil(end);

    Play batched;  // woken by frames at uneven moments, and by every input
    batched.driver.start();
    std::int64_t frame = 0;
    for (const Input& in : script) {
        for (; frame < in.at; frame += between(1000, 60'000)) {
            batched.steady.now = frame;
            batched.driver.catchUp();
        }
        batched.steady.now = in.at;
        batched.driver.catchUp();
        batched.act(in);
    }
    batched.steady.now = end;
    batched.driver.catchUp();

    for (Play* p : {&byTicks, &batched}) p->game.panel().setObserver(nullptr);
    const GameState &a = byTicks.game.state(), &b = batched.game.state();
    ASSERT_GT(a.Steps, 15);
    EXPECT_EQ(byTicks.host.asked, 1);  // played to its end
    EXPECT_EQ(b.board.picture(0), a.board.picture(0));
    EXPECT_EQ(std::make_tuple(b.Score, b.LinesCount, b.Steps, b.Clicks, b.TotalTimeBonus),
              std::make_tuple(a.Score, a.LinesCount, a.Steps, a.Clicks, a.TotalTimeBonus));
    EXPECT_EQ(batched.game.panel().list(List::lstStatistic).lines,
              byTicks.game.panel().list(List::lstStatistic).lines);
    EXPECT_EQ(batched.host.sounds, byTicks.host.sounds);
    EXPECT_EQ(batched.host.sweeps, byTicks.host.sweeps);  // one per tick
    EXPECT_EQ(batched.board.calls.size(), byTicks.board.calls.size());
}

}  // namespace
}  // namespace tumblix::test
