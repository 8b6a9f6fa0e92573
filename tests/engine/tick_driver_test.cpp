// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tick_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "control/keyboard.h"
#include "support/fakes.h"

namespace tumblix::test {
namespace {

struct FakeSteadyClock final : SteadyClock {
    std::int64_t micros() const override { return now; }
    std::int64_t now = 0;
};

// Ticks fall due a period after the start and keep that phase; a stop forgets it. A call from
// inside a tick (a dialog's event loop) runs nothing, a tick that stops and starts the driver (a
// new game) ends the batch, and a stall past a second is skipped.
TEST(TickDriverTest, RunsTheTicksDueInTheirPhase) {
    FakeSteadyClock clock;
    int ticks = 0;
    std::function<void()> inTick = [] {};
    TickDriver driver(clock, [&] { ++ticks, inTick(); });
    auto at = [&](std::int64_t t) { return clock.now = t, driver.catchUp(); };
    driver.start();
    EXPECT_EQ((std::vector{at(1999), at(2000), at(9999), at(10000)}), (std::vector{0, 1, 3, 1}));
    EXPECT_EQ(driver.untilNext(), 2000);
    driver.stop();
    EXPECT_EQ((std::pair{at(20500), driver.untilNext()}), (std::pair{0, -1L}));
    driver.start();
    EXPECT_EQ((std::vector{at(22499), at(22500)}), (std::vector{0, 1}));
    inTick = [&] {
        EXPECT_EQ(driver.catchUp(), 0);
        if (ticks == 8) driver.stop(), driver.start();
    };
    EXPECT_EQ((std::pair{at(40000), driver.untilNext()}), (std::pair{2, 2000L}));
    EXPECT_EQ(at(10'040'000), 501);
}

// A game whose panel's gravity timer starts and stops the driver, as the window wires it.
struct Play : PanelObserver {
    Play() { game.Form_Load(), game.panel().setObserver(this); }
    ~Play() override { game.panel().setObserver(nullptr); }
    bool gravity() { return game.panel().timer(Timer::tmrDown).enabled; }
    void timerChanged(Timer t) override {
        if (t == Timer::tmrDown) gravity() ? driver.start() : driver.stop();
    }
    // The window manager minimises the window: the window pauses the game.
    static constexpr int kMinimise = 1000;
    // A key pressed (> 0) or released (< 0), a mouse move over the board to x (0), or kMinimise.
    void act(int key, double x) {
        if (key == kMinimise) {
            if (menu.value(Ctl::chkPause) != 1) menu.setValue(Ctl::chkPause, 1);
            return;
        }
        key == 0  ? buttons.picTumblix_MouseMove(x)
        : key > 0 ? keys.Form_KeyDown(key)
                  : keys.Form_KeyUp(-key);
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

// Two games in a row ("Да"), paused by Esc and by the window manager's minimising, which
// is no input of the game's and still keeps the ticks due before it.
TEST(TickDriverTest, BatchedTicksPlayTheSameGameAsATickByTickTimer) {
    std::mt19937 gen(5);
    auto between = [&gen](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(gen); };
    const int keys[] = {vk::Left,  vk::Right,  vk::Up,          vk::Down,
                        vk::Space, vk::Escape, Play::kMinimise, 0};
    struct Input {
        std::int64_t at;
        int key;
        double x;
    };
    std::vector<Input> script;
    std::vector<std::int64_t> wakes;  // every input, and the display frames between
    std::int64_t at = 0;
    for (int i = 0; i < 200; ++i) {
        int key = keys[between(0, 7)];
        script.push_back({at += between(1, 300'000), key, between(0, 3760) * 1.0});
        if (key != 0)  // Esc twice or a minimise and Esc: a short pause
            script.push_back({at += between(1, 90'000),
                              key == vk::Escape || key == Play::kMinimise ? vk::Escape : -key, 0});
    }
    for (std::int64_t frame = 0; frame < at; frame += between(1000, 60'000)) wakes.push_back(frame);
    for (const Input& in : script) wakes.push_back(in.at);
    std::sort(wakes.begin(), wakes.end());
    Play byTicks, batched;
    byTicks.host.newGameAnswer = batched.host.newGameAnswer = true;
    std::int64_t due = 2000;  // a true 500 Hz timer: each tick at its own moment
    // "Да" comes at the next wake of the batched driver, which the true timer restarts from.
    byTicks.host.onAsk = [&] { due = *std::lower_bound(wakes.begin(), wakes.end(), due); };
    bool gravityAsked = false;  // nothing falls while the game-over question is open
    batched.host.onAsk = [&] { gravityAsked |= batched.gravity(); };
    auto ticksUntil = [&](std::int64_t t) {
        for (; byTicks.gravity() && due <= t; due += 2000) byTicks.game.tmrDown_Timer();
    };
    batched.driver.start();  // woken by frames at uneven moments, and by every input
    auto frame = wakes.begin();
    for (const Input& in : script) {
        ticksUntil(in.at);
        bool was = byTicks.gravity();
        byTicks.act(in.key, in.x);
        if (!was && byTicks.gravity()) due = in.at + 2000;
        for (; *frame < in.at; ++frame) batched.steady.now = *frame, batched.driver.catchUp();
        batched.steady.now = in.at;
        if (in.key != Play::kMinimise) batched.driver.catchUp();
        batched.act(in.key, in.x);
    }

    const GameState &a = byTicks.game.state(), &b = batched.game.state();
    ASSERT_EQ(std::pair(byTicks.host.asked, a.Steps > 5), std::pair(1, true));  // a second game
    EXPECT_EQ(std::pair(batched.host.asked, gravityAsked), std::pair(1, false));
    EXPECT_EQ(b.board.picture(0), a.board.picture(0));
    EXPECT_EQ(std::tuple(b.Score, b.LinesCount, b.Steps, b.Clicks, b.TotalTimeBonus),
              std::tuple(a.Score, a.LinesCount, a.Steps, a.Clicks, a.TotalTimeBonus));
    EXPECT_EQ(batched.game.panel().list(List::lstStatistic).lines,
              byTicks.game.panel().list(List::lstStatistic).lines);
    EXPECT_EQ(std::tuple(batched.host.sounds, batched.host.sweeps, batched.board.calls.size()),
              std::tuple(byTicks.host.sounds, byTicks.host.sweeps, byTicks.board.calls.size()));
}

}  // namespace
}  // namespace tumblix::test
