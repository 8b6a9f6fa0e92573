// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/figure.h"

namespace tumblix {

namespace {
constexpr std::string_view kPatterns[8] = {
    "0000111010000000",  // J
    "0000011100010000",  // L
    "0000111100000000",  // I
    "0000010001100010",  // Z
    "0000001001100100",  // S
    "0000001001110000",  // T
    kOPattern,           // O
    "0000111100000000",  // I again
};
}  // namespace

std::string_view randomKindPattern(int kind) {
    if ((kind >= 0 && kind <= 5) || kind == 7) return kPatterns[kind];
    return kOPattern;
}

std::string_view sequenceKindPattern(int kind) {
    if (kind >= 0 && kind <= 5) return kPatterns[kind];
    return kOPattern;
}

int decodePattern(std::string_view pattern, FigureBox& box) {
    int count = 0;
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            std::size_t k = static_cast<std::size_t>(4 * x + y);
            bool filled = k < pattern.size() && pattern[k] == '1';
            box[x][y] = filled;
            // Any character of value above 0 counts, as the cell bonus reads it.
            if (k < pattern.size() && pattern[k] > '0' && pattern[k] <= '9') ++count;
        }
    }
    return count;
}

FigureBox rotatedClockwise(const FigureBox& box) {
    FigureBox t{};
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) t[3 - y][x] = box[x][y];
    return t;
}

FigureBox inverted(const FigureBox& box) {
    FigureBox t{};
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) t[x][y] = !box[x][y];
    return t;
}

FigureBox boxFromRows(const std::array<std::string_view, 4>& rows) {
    FigureBox box{};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4 && x < static_cast<int>(rows[y].size()); ++x)
            box[x][y] = rows[y][x] == '#';
    return box;
}

}  // namespace tumblix
