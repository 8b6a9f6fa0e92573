// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

using DrawingTest = GameTest;
using Op = RecordingCanvas::Op;
using Cells = std::set<Cell>;

TEST_F(DrawingTest, FigureErasesItsLastSquaresThenFramesTheNewOnesInCyan) {
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
}

// The grid's colour of first place is the best-players tests', its count the landing tests'.
TEST_F(DrawingTest, BoardIsClearedThenEachLandedCellDrawnWithACyanBorderThenTheGridDashDot) {
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

TEST_F(DrawingTest, GhostShowsWhereTheFigureWouldLandPerSetting) {
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

TEST_F(DrawingTest, PreviewCaptionAndFutureAnnounceTheComingFigures) {
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
