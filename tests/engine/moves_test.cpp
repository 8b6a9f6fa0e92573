// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/tick_driver.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

TEST(Patterns, KindTableDecodingRotationAndInversion) {
    const char* table[] = {"0000111010000000", "0000011100010000", "0000111100000000",
                           "0000010001100010", "0000001001100100", "0000001001110000"};
    for (int k = -1; k <= 100; ++k) {
        std::string_view known = k >= 0 && k < 6 ? table[k] : kOPattern;
        EXPECT_EQ(randomKindPattern(k), k == 7 ? table[2] : known) << k;
        EXPECT_EQ(sequenceKindPattern(k), known) << k;
    }
    // Character k is column k / 4, row k % 4. Rotation turns clockwise; inversion flips every
    // cell.
    FigureBox j{};
    EXPECT_EQ(decodePattern("0000111010000000", j), 4);
    EXPECT_EQ(rotatedClockwise(j), boxFromRows({"....", ".###", "...#", "...."}));
    EXPECT_EQ(inverted(j), boxFromRows({"#..#", "#.##", "#.##", "####"}));
}

// The stirring by the clock's seconds is the main module's; the pick int(draw * kinds) deals
// every queue of the landing tests.
TEST_F(GameTest, TumblixFigureWhenTheSecondDrawHits25AndSuperWhenNoCellIsDrawn) {
    random.push({0.0, 0.0, 0.49, 0.0, 0.0, 0.52});  // int(24.5) and int(26) miss
    EXPECT_FALSE(game.chooser().next(7).isTumblix || game.chooser().next(7).isTumblix);
    // One stir, then per column a stir and four draws, a cell from 0.8 on, then the bonus draw;
    // the super figure takes none and pays 25000. The patterns are the landing tests'.
    random.dealTumblix("1100000000000001", 0.9);  // 30000 + 18000.9
    random.dealTumblix(kSuperPattern);
    auto [a, b] = std::pair{game.chooser().next(7), game.chooser().next(7)};
    EXPECT_EQ(std::tuple(a.isTumblix, a.bonus, b.isTumblix, b.bonus, b.pattern),
              std::tuple(true, 48001, true, 250000, std::string(kSuperPattern)));
}

const FigureBox bar = boxFromRows(kBar);  // cells in box column 1, rows 0..3

// The edges of the playfield and the cells that block; the landing, drawing and game-over tests
// cover the ordinary cases, the overlap and the removal of full rows.
TEST(Board, FigureStaysInsideAndOffFilledCellsAndARowIsFullWithFifteenCells) {
    Board b = Board::fromPicture({"...#...........", "...............", "#.............."});
    // Columns 4..18 and rows ..30; column 7 is filled from row 28, column 4 at row 30.
    const std::tuple<int, int, bool> fits[] = {{3, 0, true},   {2, 0, false}, {17, 0, true},
                                               {18, 0, false}, {4, 27, true}, {4, 28, false},
                                               {6, 24, true},  {6, 25, false}};
    for (auto [x, y, ok] : fits) EXPECT_EQ(b.fits(bar, x, y), ok) << x << "," << y;
    EXPECT_EQ(b.landingRow(bar, 3, 0), 26);
    // A box whose cells sit in its top row falls to the very last row.
    EXPECT_EQ(b.landingRow(boxFromRows({"##..", "....", "....", "...."}), 5, 0), 30);
    // A row is full with all fifteen cells.
    b = Board::fromPicture({"###############", "##############."});
    EXPECT_TRUE(b.rowFull(29) && !b.rowFull(30));
    b.set(5, 0, 1), b.removeRow(29);  // the rows above move down, the top one too
    EXPECT_TRUE(!b.at(5, 0) && b.at(5, 1) && !b.rowFull(29));
}

// The window sleeps until the tick the game names: the ticks before it change nothing shown
// (board, preview, panel controls), and that tick does. While the time bonus counts down that
// is every tick; then the next fall step, 150 - Speed ticks after the last, or every tick
// while the figure drops. The time bonus's countdown, paused while dropping, is paid by the
// landing below.
TEST_F(GameTest, TicksUntilShownNamesTheNextTickThatChangesWhatIsShown) {
    struct : PanelObserver {
        int changes = 0;
        void controlChanged(Ctl) override { ++changes; }
    } panel;
    game.panel().setObserver(&panel);
    auto shown = [&] { return panel.changes + board.calls.size() + next.calls.size(); };
    int ticks = 0;
    auto tick = [&] { game.tmrDown_Timer(), ++ticks; };
    put(kBar, 9, 0);
    EXPECT_EQ(game.ticksUntilShown(), 1);
    while (s().TimeCounter <= 200 || s().TickCount != 0) tick();
    // Speed, dropping, ticks already run in the step, ticks named.
    const std::tuple<int, bool, int, int> steps[] = {
        {0, false, 0, 150}, {0, false, 40, 110}, {150, false, 0, 1}, {45, true, 0, 1}};
    for (auto [speed, dropping, ran, ahead] : steps) {
        SCOPED_TRACE(speed + ran);
        s().Speed = speed;
        s().Dropping = dropping;
        for (int i = 0; i < ran; ++i) tick();
        int n = game.ticksUntilShown();
        EXPECT_EQ(n, ahead);
        auto [before, y] = std::pair(shown(), s().FigureY);
        for (int i = 1; i < n; ++i) tick();
        EXPECT_EQ(std::pair(shown(), s().FigureY), std::pair(before, y));
        tick();
        EXPECT_EQ(s().FigureY, y + 1);
    }
    EXPECT_EQ(host.sweeps, ticks);  // the music's balance sweeps at every tick
    game.panel().setObserver(nullptr);
}

TEST_F(GameTest, LandingPaysTheTimeBonusLeftAndAddsItToTheTotal) {
    land();  // before the first tick: 201 points for time, 3.2 for the eight cells of the two
             // patterns loaded at the start
    for (int i = 0; i < 50; ++i) game.tmrDown_Timer();
    land();
    EXPECT_EQ(std::tuple(s().Score, text(Ctl::lblScore), text(Ctl::lblTotalScore),
                         text(Ctl::lblTimeBonus)),
              std::tuple(2010 + 32 + 1510 + 32, "358", "352", "150"));
    for (int i = 0; i < 201; ++i) game.tmrDown_Timer();
    land();
    EXPECT_EQ(std::tuple(s().Score, text(Ctl::lblTotalScore)),
              std::tuple(2010 + 32 + 1510 + 32 + 32, "352"));
}

// A refused rotation does not shift the figure; a sideways move tests only the target column,
// so jumping over a filled cell is allowed.
TEST_F(GameTest, RotationAndSidewaysMovesAreRefusedWhenACellWouldLeaveOrHitTheBoard) {
    s().board.set(11, 11, 3);  // a turn that fits is the demo's test
    const std::array<std::string_view, 4> flat = {"....", "####", "....", "...."};
    // Lying down the bar would need column 3, standing up the flat one would reach row 31, and
    // the last one would turn onto the filled cell.
    for (auto [rows, x, y] : {std::tuple{kBar, 3, 5}, {flat, 9, 28}, {kBar, 9, 10}}) {
        put(rows, x, y);
        game.RotateFigure();
        EXPECT_EQ(std::tuple(s().Figure, s().FigureX, s().FigureY),
                  std::tuple(boxFromRows(rows), x, y))
            << x;
    }
    s().board.set(12, 11, 1);  // the bar stands in column 10, rows 10 to 13
    s().board.set(14, 14, 1);  // below the figure's rows
    for (auto [x, ok] :
         {std::pair{3, true}, {2, false}, {17, true}, {18, false}, {11, false}, {13, true}})
        EXPECT_EQ(game.EnableMoveLRForMouse(x), ok) << x;
}

// Inversion needs a free box inside the columns and above the floor; it sounds and is not
// counted as a click.
TEST_F(GameTest, InversionNeedsAFreeBoxInsideTheColumnsAboveTheFloorAndIsNoClick) {
    const std::array<std::string_view, 4> none = {"....", "....", "....", "...."},
                                          full = {"####", "####", "####", "####"};
    // The box, where it stands, a filled cell under an empty one of the box, and the answer.
    const std::tuple<std::array<std::string_view, 4>, int, int, bool, bool> cases[] = {
        {kJ, 4, 5, false, true},     {kJ, 15, 5, false, true},  {kJ, 3, 5, false, false},
        {kJ, 16, 5, false, false},   {kJ, 9, 5, true, false},   {kJ, 9, 27, false, true},
        {none, 9, 28, false, false}, {full, 9, 5, false, false}};
    for (auto [rows, x, y, filledUnder, ok] : cases) {
        s().board.clear();
        if (filledUnder) s().board.set(9, 8, 1);
        put(rows, x, y);
        EXPECT_EQ(game.CanInvert(), ok) << x << "," << y;
    }
    game.InvertFigure();  // the inverted box is the demo's test
    EXPECT_EQ(std::pair(host.sounds, s().FigureClicks),
              std::pair(std::vector{Sound::mInverse1}, 0L));
}

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
struct Play : PanelObserver, GameRig<MersenneRandom> {
    Play() {
        random = MersenneRandom{2024};
        game.Form_Load(), game.panel().setObserver(this);
    }
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
    std::vector<std::tuple<std::int64_t, int, double>> script;  // when, key, x
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
    for (const auto& in : script) wakes.push_back(std::get<0>(in));
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
    for (auto [when, key, x] : script) {
        ticksUntil(when);
        bool was = byTicks.gravity();
        byTicks.act(key, x);
        if (!was && byTicks.gravity()) due = when + 2000;
        for (; *frame < when; ++frame) batched.steady.now = *frame, batched.driver.catchUp();
        batched.steady.now = when;
        if (key != Play::kMinimise) batched.driver.catchUp();
        batched.act(key, x);
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
