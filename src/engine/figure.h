// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tumblix {

// A figure's 4x4 box, indexed [x][y]: x the column (to the right), y the row (downwards).
using FigureBox = std::array<std::array<bool, 4>, 4>;

// A pattern is sixteen characters "0"/"1"; character k (0-based) is box cell x = k / 4, y = k % 4.
inline constexpr std::string_view kSuperPattern = "1001111110011111";
inline constexpr std::string_view kOPattern = "0000011001100000";

// The pattern of a figure kind in the random choice: 0..5 and 7 by the table, anything else O.
std::string_view randomKindPattern(int kind);
// The pattern of a kind taken from the figure sequence: 0..5 by the table, anything else O.
std::string_view sequenceKindPattern(int kind);

// Fills box from pattern and returns the number of "1" characters.
// A pattern shorter than sixteen characters leaves the missing cells empty.
int decodePattern(std::string_view pattern, FigureBox& box);

// A quarter turn clockwise on screen: the box's top row becomes its right column.
FigureBox rotatedClockwise(const FigureBox& box);

// Filled cells become empty and empty ones filled.
FigureBox inverted(const FigureBox& box);

// Parses a box from rows of '#' and '.', top row first (for tests and the editor).
FigureBox boxFromRows(const std::array<std::string_view, 4>& rows);

// One entry of the five-place queue: 0 falling, 1 next, 2..4 coming.
struct QueueEntry {
    std::string pattern = std::string(16, '0');
    int bonus = 0;  // tenths of a point
    bool isTumblix = false;
};

}  // namespace tumblix
