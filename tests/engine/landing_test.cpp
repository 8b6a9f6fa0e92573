// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

using Op = RecordingCanvas::Op;

// Steps a display timer until it stops, noting a label's colour after each step.
std::vector<Color> runTimer(Game& game, Timer t, Ctl label) {
    std::vector<Color> seen;
    for (int i = 0; i < 20 && game.panel().timer(t).enabled; ++i) {
        t == Timer::tmrLevel ? game.tmrLevel_Timer() : game.tmrMigCountLines_Timer();
        seen.push_back(game.panel()[label].foreColor);
    }
    return seen;
}

// The cells written, the landing sound, the new figure and the queue's shift are pinned by the
// other landing tests.
TEST_F(GameTest, LandingErasesNoLandedCell) {
    s().FigureQueue[1].pattern = std::string(randomKindPattern(4));
    game.settings().iFantom = 2;
    put(kBar, 12, 3);
    game.UpdateFantom();  // the ghost where the bar lands
    land();
    // Neither the falling figure nor the new one's ghost paints over the landed bottom cell.
    EXPECT_FALSE(board.erased(s().BoardBackColor).contains({13, 30}));
}

// A landing puts the buttons' colour back and hides the Tumblix caption.
TEST_F(GameTest, SeparateFullRowsCountTogetherAndTheBoardIsRepainted) {
    well({"...............", "###.###########", "#..............", "###.###########"});
    s().FigureColor = rgb(9, 9, 9);
    s().FigureClicks = 3;
    s().DownButtonColor = rgb(4, 5, 6);
    game.panel().setVisible(Ctl::lblFirma, true);
    put(kBar, 6, 0);
    land();
    EXPECT_EQ(s().board.picture(28), "...............\n...#...........\n#..#...........\n");
    EXPECT_EQ(host.sounds, (std::vector<Sound>{Sound::mDown2, Sound::mDelLin1}));
    EXPECT_EQ(std::tuple(s().Score, s().Clicks, s().FigureClicks,
                         game.panel()[Ctl::cmdDown].backColor, game.panel()[Ctl::lblFirma].visible),
              std::tuple(8000 + 2010 + 32, 3, 0, rgb(4, 5, 6), false));
    EXPECT_EQ(stats().back(), "1. +1004 -> 2 lines (3)");
    // Cleared, the cells that are left, then the grid over them.
    EXPECT_EQ(board.landed(rgb(9, 9, 9)), (std::set<Cell>{{7, 29}, {7, 30}}));
    EXPECT_EQ(board.ops(Op::Line).size(), 49u);
    EXPECT_GT(std::ranges::find(board.calls, Op::Line, &RecordingCanvas::Call::op),
              std::ranges::find(board.calls, Op::Clear, &RecordingCanvas::Call::op));
}

// The label of the rows just removed blinks in its frame's colour for six steps; a removal
// meanwhile starts them again on its own label.
TEST_F(GameTest, LinesLabelCountsLandingsOfTheSameSizeAndBlinks) {
    const Color f = 0xC0C0C0, b = colors::black;
    const std::vector<Color> six{f, b, f, b, f, b};
    game.panel().setBackColor(Ctl::fraLines, f);
    clearRows(1);
    EXPECT_EQ(stats().back(), "1. +479 -> 1 lines (0)");
    EXPECT_EQ(runTimer(game, Timer::tmrMigCountLines, lblCountLines(1)), six);
    clearRows(4);  // after the end: a fresh count
    for (int i = 0; i < 3; ++i) game.tmrMigCountLines_Timer();
    clearRows(3);
    EXPECT_EQ(game.panel()[lblCountLines(4)].foreColor, b);
    EXPECT_EQ(runTimer(game, Timer::tmrMigCountLines, lblCountLines(3)), six);
    for (int i = 0; i < 3; ++i) clearRows(2);
    EXPECT_EQ(
        text(lblCountLines(2)) + ", " + text(lblCountLines(4)) + ", " + text(lblCountLines(3)),
        "2-Lines*3 = 2400, 4-Lines*1 = 5000, 3-Lines*1 = 2225");
}

// A game draws 7 or 8 kinds (8 on a draw over 0.5), its first figure's colour 154 + 100 r a
// channel, the control buttons' palette colour 1..15 and its lists' back colours; each landing
// colours the next figure 105 + 150 r.
TEST_F(GameTest, KindsAndColoursAreDrawnAtTheStartAndAtEachLanding) {
    std::vector<Color> palette;  // the sixteen colours the draws pick from
    for (int n = 0; n < 17; ++n) palette.push_back(qbColor(n));
    EXPECT_EQ(palette, (std::vector<Color>{0, 0x800000, 0x8000, 0x808000, 0x80, 0x800080, 0x8080,
                                           0xC0C0C0, 0x808080, 0xFF0000, 0xFF00, 0xFFFF00, 0xFF,
                                           0xFF00FF, 0xFFFF, 0xFFFFFF, 0}));
    random.push({0.5, 0.9, 0.0, 0.0, 0.0});
    game.Form_Load();
    EXPECT_EQ(std::tuple(s().FigureKinds, s().FigureColor, s().DownButtonColor),
              std::tuple(7, rgb(244, 154, 154), qbColor(1)));
    random.push({0.6, 0.0, 0.5, 0.99, 0.999});
    random.fallback = 0.9;  // the eighth kind: a bar
    game.Form_Load();
    EXPECT_EQ(std::tuple(
                  s().FigureKinds, s().FigureColor, s().DownButtonColor,
                  game.panel()[Ctl::lstTable].backColor, game.panel()[Ctl::lstStatistic].backColor,
                  game.panel()[Ctl::lblNextPlace].foreColor, game.panel()[Ctl::lblTotal].foreColor),
              std::tuple(8, rgb(154, 204, 253), qbColor(15), rgb(135, 180, 230), rgb(135, 45, 225),
                         rgb(180, 90, 150), rgb(90, 90, 250)));
    land();
    EXPECT_EQ(std::pair(s().FigureColor, s().FigureQueue[4].pattern),
              std::pair(rgb(240, 240, 240), std::string(randomKindPattern(7))));
}

// A game's log opens with three lines, and "...Tumblix figure" when its first figure is one,
// which the count leaves out. Only a landing's lines and the report's end select the last line.
TEST_F(GameTest, TheLogOpensEachGameAndSelectsOnlyALandingsLines) {
    struct : PanelObserver {
        const Panel* panel;
        std::string picked;
        void listSelected(List l, int i) override {
            const auto& lines = panel->list(l).lines;
            picked += i + 1 == int(lines.size()) ? lines[i].substr(0, 3) + "|" : "?|";
        }
    } log;
    log.panel = &game.panel();
    game.panel().setObserver(&log);
    for (int i = 0; i < 9; ++i) random.push({0.0});  // kinds and colours
    random.dealTumblix("1100000000000001");
    game.Form_Load();
    EXPECT_EQ(stats(), (std::vector<std::string>{"**********************", "***Staring Tumblix XII",
                                                 "**********************", "...Tumblix figure"}));
    EXPECT_EQ(s().TumblixCount, 0);
    s().FigureQueue[1].isTumblix = true;
    s().LevelLines = 6;
    clearRows(1);  // and a new level's lines
    EXPECT_EQ(std::pair(s().TumblixCount, s().Level), std::pair(1L, 1));
    landIntoGameOver();
    EXPECT_EQ(log.picked, "1. |...|2. ||");
    game.panel().setObserver(nullptr);
}

// A Tumblix figure dealt into the queue is announced when it is next, logged and counted when
// it starts falling, and paid when it lands.
TEST_F(GameTest, TumblixFigureIsAnnouncedLoggedAndPaid) {
    s().FigureQueue[0] = {std::string(kSuperPattern), 250000, true};
    random.push({0.9});
    random.dealTumblix("1100000000000001", 0.5);  // 30000 + 10000.5 rounds to even: 4000
    land();
    EXPECT_EQ(std::tuple(s().Score, text(Ctl::lblSumBonus), stats().back()),
              std::tuple(250000 + 2010 + 32, "  Tumblix Bonus : 25000", "1. +25204 (0)"));
    land();
    land();
    next.reset();
    land();  // now the next figure
    EXPECT_EQ(next.framed(colors::white), (std::set<Cell>{{4, 0}, {4, 1}, {7, 3}}));
    land();  // now falling: logged and counted, the log opening test's
    land();  // three cells of its own and four of the next figure
    EXPECT_EQ(stats().back(), "6. +4203 (0)");
    land();
    EXPECT_EQ(text(Ctl::lblSumBonus), "  Tumblix Bonus : 29000");
}

// A new level flashes the window and the level label in random palette colours for 16 steps;
// then the window is black and the label takes its level's colour.
TEST_F(GameTest, SeventhRowRaisesTheLevelMidRemovalUpToTheTopSpeedAndFlashes) {
    clearRows(4);
    clearRows(4);
    // The eighth row counts toward level 2.
    EXPECT_EQ(std::tuple(s().Level, s().Speed, text(Ctl::lblLevel), text(Ctl::lblRemain)),
              std::tuple(1, 15, "Level # 1", "123456"));
    std::vector<std::string> tail(stats().end() - 5, stats().end());
    EXPECT_EQ(tail, (std::vector<std::string>{"************************", "Welcome to Level # 1",
                                              "************************", "...Score : 5204",
                                              "2. +5204 -> 4 lines (0)"}));
    random.fallback = 0.999;  // 15 (white) at every step
    std::vector<Color> flash(15, qbColor(15));
    flash.push_back(qbColor(2));
    EXPECT_EQ(runTimer(game, Timer::tmrLevel, Ctl::lblLevel), flash);
    EXPECT_EQ(game.panel()[Ctl::frmMain].backColor, colors::black);
    s().Speed = 135;
    s().Level = 5;
    s().LevelLines = 5;
    for (int rows : {2, 1}) {
        clearRows(rows);
        EXPECT_EQ(std::tuple(s().Speed, s().Level, text(Ctl::lblRemain)),
                  std::tuple(150, 6, "1234567"));  // at the top speed the count goes on
        s().LevelLines = 6;
    }
    flash.back() = qbColor(13);  // level 6 takes 13, not 7
    EXPECT_EQ(runTimer(game, Timer::tmrLevel, Ctl::lblLevel), flash);
}

// "Нет" closing the window is the best-players tests'.
TEST_F(GameTest, GameEndsOnlyWhenTheNewFigureOverlapsAtTheStartAndYesStartsAFreshOne) {
    s().board.set(9, 0, 1);  // under the empty first column of the coming J
    s().FigureClicks = 2;
    land();
    EXPECT_EQ(host.asked, 0);

    host.newGameAnswer = true;
    std::vector<std::string> report;
    host.onAsk = [&] { report.assign(stats().end() - 9, stats().end()); };
    s().Speed = 45;
    s().Level = 3;
    s().LevelLines = 4;
    s().TumblixBonusSum = 5000;
    s().FigureQueue[2] = {std::string(randomKindPattern(2)), 30000, true};  // next at the end
    landIntoGameOver();
    EXPECT_EQ(report, (std::vector<std::string>{"", "*****************", "*** Game Over ***",
                                                "*****************", "Steps = 2", "Clicks = 2",
                                                "Tumblix = 0", "-----------------", ""}));
    // The emptied well and "---" are the end-to-end game-over case's.
    EXPECT_EQ(
        std::tuple(host.asked, host.closed, stats().size(),
                   text(Ctl::lblLevel) + text(Ctl::lblSumBonus), s().Score, s().Speed, s().Level,
                   s().TumblixBonusSum, s().TotalTimeBonus, s().Steps, s().LevelLines),
        std::tuple(1, 0, 3u, "Level # 0", 0, 0, 0, 0, 0, 0, 0));
    EXPECT_FALSE(game.panel()[Ctl::lblFirma].visible);  // an ordinary figure is next
    game.tmrDown_Timer();
    EXPECT_EQ(s().TickCount, 1);  // running again
}

using Cells = std::set<Cell>;

TEST_F(GameTest, FigureErasesItsLastSquaresThenFramesTheNewOnesInCyanOnTheBoardAndGrid) {
    s().BoardBackColor = rgb(9, 9, 9);
    put({"#...", "....", "....", "...."}, 4, 30);
    game.DrawFigure();  // the J drawn at the start stood at (9, 0)
    EXPECT_EQ(board.erased(rgb(9, 9, 9)), (Cells{{10, 0}, {10, 1}, {10, 2}, {11, 0}}));
    EXPECT_EQ(std::pair(board.calls.back().box(), board.calls.back().color),
              std::pair(std::tuple(28.0, 7528.0, 222.0, 7722.0), colors::cyan));  // cell (4, 30)

    board.reset();
    s().NewFigure = true;  // a new figure erases nothing (the landing test's), then moves on
    game.DrawFigure();
    game.DrawFigure();
    EXPECT_EQ(board.erased(rgb(9, 9, 9)), (Cells{{4, 30}}));
    // The board is cleared, then each landed cell drawn with a cyan border, then the grid
    // dash-dotted. The grid's colour of first place is the best-players tests', its count the
    // landing tests'.
    board.reset();
    s().board.set(4, 30, rgb(1, 2, 3));
    s().board.set(18, 0, rgb(4, 5, 6));
    game.DrawBoard();
    ASSERT_EQ(board.calls.size(), 5u);
    EXPECT_EQ(std::pair(board.calls[0].op, board.calls[1].color),
              std::pair(Op::Clear, colors::cyan));
    // The cyan border fills each landed cell's full square, the cell's colour the inner one.
    EXPECT_EQ(board.erased(colors::cyan), (Cells{{4, 30}, {18, 0}}));
    EXPECT_EQ(board.landed(rgb(1, 2, 3)), (Cells{{4, 30}}));
    EXPECT_EQ(board.landed(rgb(4, 5, 6)), (Cells{{18, 0}}));
    s().Place = 1;  // second place
    game.DrawGrid();
    auto lines = board.ops(Op::Line);
    EXPECT_EQ(
        std::tuple(lines[0].color, lines[16].box(), lines.back().box(), board.calls.back().style),
        std::tuple(rgb(175, 175, 220), std::tuple(4000.0, 0.0, 4000.0, 7750.0),
                   std::tuple(0.0, 7750.0, 4000.0, 7750.0), LineStyle::DashDot));
    board.reset();
    game.settings().bDrawSetka = false;
    game.DrawGrid();
    EXPECT_TRUE(board.calls.empty());
}

TEST_F(GameTest, GhostShowsWhereTheFigureWouldLandPerSetting) {
    well({"...#...........", "...#..........."});
    s().FigureColor = rgb(7, 7, 7);
    put(kBar, 6, 0);
    const Cells ghost{{7, 25}, {7, 26}, {7, 27}, {7, 28}};
    // iFantom, a Tumblix figure falling, the ghost shown.
    for (auto [iFantom, tumblix, shown] :
         {std::tuple{0, true, false}, {1, false, false}, {1, true, true}, {2, false, true}}) {
        board.reset();
        game.settings().iFantom = iFantom;
        s().FigureQueue[0].isTumblix = tumblix;
        game.UpdateFantom();
        EXPECT_EQ(board.framed(rgb(7, 7, 7)), shown ? ghost : Cells{}) << iFantom;
    }
    board.reset();
    s().FigureX = 7;
    game.UpdateFantom();
    EXPECT_EQ(board.erased(s().BoardBackColor), ghost);
    EXPECT_EQ(board.framed(rgb(7, 7, 7)), (Cells{{8, 27}, {8, 28}, {8, 29}, {8, 30}}));

    // Slid under an overhang, the figure's ghost is searched from the figure downward.
    board.reset();
    s().board.set(7, 5, 1);
    put(kBar, 6, 6);
    game.UpdateFantom();
    EXPECT_EQ(board.framed(rgb(7, 7, 7)), ghost);
}

TEST_F(GameTest, PreviewCaptionAndFutureAnnounceTheComingFigures) {
    const Color purple = rgb(150, 52, 252), red = rgb(255, 0, 0), blue = rgb(0, 0, 255),
                green = colors::green, yellow = colors::yellow;
    const std::string j = "0000111010000000", t = "1100000000000001", super(kSuperPattern);
    // The next figure, the score shown, the fill, the caption's colour and text (none: hidden),
    // and whether it sounds.
    const std::tuple<QueueEntry, const char*, Color, Color, const char*, bool> cases[] = {
        {{j, 0, false}, "12", purple, 0, nullptr, false},
        {{t, 43215, true}, "12", green, yellow, "Tumblix-фигурка Bonus 4322", true},
        {{t, 30000, true}, "---", green, yellow, "Tumblix-фигурка Bonus 3000", false},
        {{super, 250000, true}, "12", red, blue, "This Is Tumblix Bonus 25000", true},
    };
    for (auto [entry, score, fill, captionColor, caption, sound] : cases) {
        SCOPED_TRACE(entry.pattern + " " + score);
        game.panel().setVisible(Ctl::lblFirma, false);
        game.panel().setText(Ctl::lblScore, score);
        host.sounds.clear();
        s().ColorFigura = 0;
        auto logged = stats().size();
        game.ShowFigureBonus(entry);
        const ControlState& firma = game.panel()[Ctl::lblFirma];
        EXPECT_EQ(std::tuple(s().ColorFigura, game.panel()[Ctl::picNext].fillColor, next.fill),
                  std::tuple(colors::white, fill, fill));
        EXPECT_EQ(std::tuple(firma.visible, firma.text, firma.foreColor),
                  caption ? std::tuple(true, std::string(caption), captionColor)
                          : std::tuple(false, firma.text, firma.foreColor));
        EXPECT_EQ(host.sounds, std::vector<Sound>(sound, Sound::mTumblix1));
        EXPECT_EQ(stats().size() - logged, captionColor == blue ? 1u : 0u);
    }
    EXPECT_EQ(stats().back(), "...SUPER TUMBLIX !!!");
    // The three figures after the next one: every box cell framed, the filled ones white.
    future.reset(), s().FigureQueue[1].pattern = std::string(16, '1');
    game.DrawFuture();
    auto f = future.ops(Op::FrameBox);  // [40]: the third figure's top cell in its third column
    EXPECT_EQ(std::tuple(f[0].color, f[40].color, std::lround(f[40].x1), std::lround(f[40].y1)),
              std::tuple(rgb(20, 150, 150), qbColor(15), 2395L, 114L));
}

}  // namespace
}  // namespace tumblix::test
