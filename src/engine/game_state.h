// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"
#include "engine/color.h"
#include "engine/figure.h"

namespace tumblix {

// The settings the game reads while it plays.
struct GameSettings {
    int iFantom = 1;         // 0 no ghost, 1 ghost only for Tumblix figures, other values always
    bool bDrawSetka = true;  // draw the grid
};

// The whole state of one game. Counters that a very long game could run past 16 or 32 bits are
// kept wide; every value they show is the same as with the narrow types.
struct GameState {
    Board board;
    FigureBox Figure{};
    FigureBox NextFigure{};
    int FigureX = Board::kStartX;
    int FigureY = 0;
    Color FigureColor = 0;
    int FigureKinds = 7;
    std::int64_t FigureCells = 0;
    std::array<QueueEntry, 5> FigureQueue{};
    bool NextIsTumblix = false;
    int NextBonus = 0;

    // Falling.
    int Speed = 0;
    int TickCount = 0;
    bool Dropping = false;
    bool GameRunning = false;

    // Scoring, tenths of a point.
    std::int64_t Score = 0;
    std::int64_t ScoreBefore = 0;
    int TimeCounter = 0;
    std::int64_t TotalTimeBonus = 0;
    std::int64_t TumblixBonusSum = 0;
    std::array<std::int64_t, 4> LinesCount{};
    int LastLines = 0;
    int BlinkCount = 0;
    int Level = 0;
    std::int64_t LevelLines = 0;
    int LevelFlashStep = 0;

    // Counting.
    std::int64_t Steps = 0;
    std::int64_t FigureClicks = 0;
    std::int64_t Clicks = 0;
    std::int64_t TumblixCount = 0;

    // Drawing.
    bool NewFigure = false;
    std::array<int, 32> DrawnCells{};
    std::array<int, 32> FantomCells{};
    Color BoardBackColor = 0;
    Color ColorFigura = 0;
    Color DownButtonColor = 0;

    Color MenuBackColor = 0;

    // Place in the best-players table: 0 while the player holds first place.
    int Place = 1;
};

}  // namespace tumblix
