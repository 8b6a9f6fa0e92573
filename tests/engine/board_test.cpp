#include <gtest/gtest.h>

#include "engine/board.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

const FigureBox bar = boxFromRows(kBar);  // cells in box column 1, rows 0..3

// The edges of the playfield and the cells that block; the landing and drawing tests cover the
// ordinary cases.
TEST(Board, FigureStaysInsideTheColumnsAndAboveTheFloorAndOffFilledCells) {
    Board b = Board::fromPicture({"...#...........", "...............", "#.............."});
    // Columns 4..18 and rows ..30; column 7 is filled from row 28, column 4 at row 30.
    const std::tuple<int, int, bool> fits[] = {{3, 0, true},   {2, 0, false}, {17, 0, true},
                                               {18, 0, false}, {4, 27, true}, {4, 28, false},
                                               {6, 24, true},  {6, 25, false}};
    for (auto [x, y, ok] : fits) EXPECT_EQ(b.fits(bar, x, y), ok) << x << "," << y;
    EXPECT_TRUE(b.canMoveDown(bar, 4, 26));
    EXPECT_FALSE(b.canMoveDown(bar, 4, 27));
    EXPECT_EQ(b.landingRow(bar, 3, 0), 26);
    // A box whose cells sit in its top row falls to the very last row.
    EXPECT_EQ(b.landingRow(boxFromRows({"##..", "....", "....", "...."}), 5, 0), 30);
    EXPECT_TRUE(b.overlaps(bar, 6, 26));
    EXPECT_FALSE(b.overlaps(bar, 5, 26));  // the filled cell is under an empty box column
}

TEST(Board, RowIsFullWithAllFifteenCellsAndRemovalShiftsEverythingAbove) {
    Board b = Board::fromPicture({"###############", "##############."});
    b.set(8, 1, 5);
    b.set(9, 0, 6);
    EXPECT_TRUE(b.rowFull(29));
    EXPECT_FALSE(b.rowFull(30));
    b.removeRow(29);
    EXPECT_EQ(b.picture(29), "...............\n##############.\n");
    EXPECT_EQ(b.at(8, 2) * 10 + b.at(9, 1), 56u);  // colours travel with their cells
    for (int c = 0; c <= Board::kMaxX; ++c) EXPECT_EQ(b.at(c, 0) + b.at(c, 1) * (c != 9), 0u);
}

}  // namespace
}  // namespace tumblix::test
