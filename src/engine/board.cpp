// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/board.h"

namespace tumblix {

bool Board::fits(const FigureBox& box, int fx, int fy) const {
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            if (!box[x][y]) continue;
            int bx = fx + x, by = fy + y;
            if (!inPlayfield(bx, by) || cells_[bx][by] != 0) return false;
        }
    return true;
}

bool Board::canMoveDown(const FigureBox& box, int fx, int fy) const {
    if (fy >= kLastRow) return false;  // even a box without cells stops at the floor
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            if (!box[x][y]) continue;
            int bx = fx + x, by = fy + y;
            if (by >= kLastRow) return false;
            if (!inPlayfield(bx, by + 1) || cells_[bx][by + 1] != 0) return false;
        }
    return true;
}

int Board::landingRow(const FigureBox& box, int fx, int fy) const {
    int row = fy;
    while (row < kMaxY && canMoveDown(box, fx, row)) ++row;
    return row;
}

bool Board::overlaps(const FigureBox& box, int fx, int fy) const {
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (box[x][y] && at(fx + x, fy + y) != 0) return true;
    return false;
}

bool Board::boxFreeForInversion(int fx, int fy) const {
    if (fx < kFirstColumn || fx > kLastColumn - 3) return false;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (at(fx + x, fy + y) != 0) return false;
    return true;
}

void Board::write(const FigureBox& box, int fx, int fy, Color c) {
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (box[x][y] && inPlayfield(fx + x, fy + y)) cells_[fx + x][fy + y] = c;
}

bool Board::rowFull(int row) const {
    if (row < 0 || row > kMaxY) return false;
    int count = 0;
    for (int c = 0; c <= kMaxX; ++c)
        if (cells_[c][row] != 0) ++count;
    return count == kColumns;
}

void Board::removeRow(int row) {
    if (row < 0 || row > kMaxY) return;
    for (int r = row; r >= 1; --r)
        for (int c = 0; c <= kMaxX; ++c) cells_[c][r] = cells_[c][r - 1];
    for (int c = 0; c <= kMaxX; ++c) cells_[c][0] = 0;
}

Board Board::fromPicture(const std::vector<std::string_view>& rows) {
    Board b;
    int top = kLastRow - static_cast<int>(rows.size()) + 1;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t k = 0; k < rows[i].size() && k < kColumns; ++k)
            if (rows[i][k] != '.')
                b.set(kFirstColumn + static_cast<int>(k), top + static_cast<int>(i), 1);
    return b;
}

std::string Board::picture(int fromRow) const {
    std::string out;
    for (int r = fromRow; r <= kLastRow; ++r) {
        for (int c = kFirstColumn; c <= kLastColumn; ++c) out += cells_[c][r] ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace tumblix
