#include <gtest/gtest.h>

#include "engine/board.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

const FigureBox bar = boxFromRows(kBar);  // cells in box column 1, rows 0..3

TEST(Board, FigureStaysInsideTheColumnsAndAboveTheFloor) {
    Board b;
    EXPECT_TRUE(b.fits(bar, 3, 0));   // column 4
    EXPECT_FALSE(b.fits(bar, 2, 0));  // column 3 is margin
    EXPECT_TRUE(b.fits(bar, 17, 0));  // column 18
    EXPECT_FALSE(b.fits(bar, 18, 0));
    EXPECT_TRUE(b.fits(bar, 3, 27));  // rows 27..30
    EXPECT_FALSE(b.fits(bar, 3, 28));
    EXPECT_TRUE(b.canMoveDown(bar, 3, 26));
    EXPECT_FALSE(b.canMoveDown(bar, 3, 27));
    EXPECT_EQ(b.landingRow(bar, 10, 0), 27);
    // A box whose cells sit in its top row falls to the very last row.
    EXPECT_EQ(b.landingRow(boxFromRows({"##..", "....", "....", "...."}), 4, 0), 30);
}

TEST(Board, FilledCellsBlockAndOnlyFigureCellsCount) {
    Board b = Board::fromPicture({
        "...#...........",
        "...............",
        "#..............",
    });
    EXPECT_EQ(b.at(7, 28), 1u);
    EXPECT_EQ(b.at(4, 30), 1u);
    EXPECT_FALSE(b.fits(bar, 6, 25));  // column 7 reaches row 28
    EXPECT_TRUE(b.fits(bar, 6, 24));
    EXPECT_FALSE(b.canMoveDown(bar, 6, 24));
    EXPECT_EQ(b.landingRow(bar, 6, 0), 24);
    EXPECT_EQ(b.landingRow(bar, 3, 0), 26);
    b.set(7, 10, 1);  // an overhang above a bar slid under it
    EXPECT_EQ(b.landingRow(bar, 6, 11), 24);
    EXPECT_TRUE(b.overlaps(bar, 6, 26));
    EXPECT_FALSE(b.overlaps(bar, 5, 26));  // the filled cell is under an empty box column
}

TEST(Board, RowIsFullWithAllFifteenCellsAndRemovalShiftsEverythingAbove) {
    Board b = Board::fromPicture({
        "#..............",
        "###############",
        "##############.",
    });
    b.set(5, 27, 7);
    b.set(8, 1, 5);
    b.set(9, 0, 6);
    EXPECT_TRUE(b.rowFull(29));
    EXPECT_FALSE(b.rowFull(30));
    EXPECT_FALSE(b.rowFull(28));
    b.removeRow(29);
    EXPECT_EQ(b.picture(27),
              "...............\n"
              ".#.............\n"
              "#..............\n"
              "##############.\n");
    EXPECT_EQ(b.at(5, 28), 7u);  // colours travel with their cells, the top rows too
    EXPECT_EQ(b.at(8, 2), 5u);
    EXPECT_EQ(b.at(9, 1), 6u);
    EXPECT_EQ(b.at(8, 1), 0u);
    for (int c = 0; c <= Board::kMaxX; ++c) EXPECT_EQ(b.at(c, 0), 0u);
}

}  // namespace
}  // namespace tumblix::test
