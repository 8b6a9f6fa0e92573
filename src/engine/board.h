// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/color.h"
#include "engine/figure.h"

namespace tumblix {

// The well: columns 0..22 and rows 0..34, of which columns 4..18 and rows 0..30 are the
// playfield; the rest is a margin that figure cells never enter. A cell holds 0 when empty,
// otherwise the colour of the figure that landed there.
class Board {
  public:
    static constexpr int kMaxX = 22;
    static constexpr int kMaxY = 34;
    static constexpr int kFirstColumn = 4;
    static constexpr int kLastColumn = kMaxX - 4;                    // 18
    static constexpr int kLastRow = kMaxY - 4;                       // 30
    static constexpr int kColumns = kLastColumn - kFirstColumn + 1;  // 15
    static constexpr int kStartX = 9;

    static bool inArray(int x, int y) { return x >= 0 && x <= kMaxX && y >= 0 && y <= kMaxY; }
    static bool inPlayfield(int x, int y) {
        return x >= kFirstColumn && x <= kLastColumn && y >= 0 && y <= kLastRow;
    }

    // Cells outside the array read as empty and ignore writes.
    Color at(int x, int y) const { return inArray(x, y) ? cells_[x][y] : 0; }
    void set(int x, int y, Color c) {
        if (inArray(x, y)) cells_[x][y] = c;
    }
    void clear() { cells_ = {}; }

    // True when every filled cell of box at (fx, fy) lies in the playfield on an empty cell.
    bool fits(const FigureBox& box, int fx, int fy) const;
    // True when the figure can fall one row from (fx, fy).
    bool canMoveDown(const FigureBox& box, int fx, int fy) const;
    // The lowest row the box at column fx can fall to from row fy (the ghost's row).
    int landingRow(const FigureBox& box, int fx, int fy) const;
    // True when any filled cell of box at (fx, fy) lies on a filled board cell.
    bool overlaps(const FigureBox& box, int fx, int fy) const;
    // True when the whole box at (fx, fy) lies inside the playfield's columns on empty cells.
    bool boxFreeForInversion(int fx, int fy) const;
    // Writes the figure's cells with colour c (cells outside the playfield are left out).
    void write(const FigureBox& box, int fx, int fy, Color c);

    bool rowFull(int row) const;
    // Removes the row, moving everything above it down one row.
    void removeRow(int row);

    // Test helpers: rows of '.' (empty) and any other character (filled with colour 1),
    // bottom row of the picture on the playfield's last row, leftmost character in column 4.
    static Board fromPicture(const std::vector<std::string_view>& rows);
    std::string picture(int fromRow) const;

  private:
    std::array<std::array<Color, kMaxY + 1>, kMaxX + 1> cells_{};
};

}  // namespace tumblix
