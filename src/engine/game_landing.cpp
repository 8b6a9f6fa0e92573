// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "engine/game.h"

namespace tumblix {

void Game::Update_Array_C() {
    s_.board.write(s_.Figure, s_.FigureX, s_.FigureY, s_.FigureColor);
    panel_.setEnabled(Ctl::cmdDown, true);
}

void Game::ShiftFigureQueue() {
    for (std::size_t i = 0; i + 1 < s_.FigureQueue.size(); ++i)
        s_.FigureQueue[i] = s_.FigureQueue[i + 1];
    s_.FigureQueue.back() = chooser_.next(s_.FigureKinds);
}

int Game::RemoveFullLines() {
    int lines = 0;
    for (int row = Board::kMaxY; row >= 0;) {
        if (!s_.board.rowFull(row)) {
            --row;
            continue;
        }
        ++lines;
        s_.board.removeRow(row);
        levelProgress();
        // The same row number now holds what was above it: examine it again.
    }
    return lines;
}

// The figure can fall no further: write it into the board, remove full rows, score, and bring
// in the next figure.
void Game::landFigure() {
    panel_.setBackColor(Ctl::cmdDown, s_.DownButtonColor);
    panel_.setVisible(Ctl::lblFirma, false);
    Update_Array_C();
    int lines = RemoveFullLines();
    host_.playSound(firstVariant(random_.next()) ? Sound::mDown1 : Sound::mDown2);
    s_.NewFigure = true;
    s_.ScoreBefore = s_.Score;
    if (lines > 0) {
        scoreLines(lines);
        DrawBoard();
        DrawGrid();
    }
    s_.Score += (201 - s_.TimeCounter) * 10 + s_.FigureCells * 4;
    s_.TickCount = 0;
    s_.Dropping = false;
    s_.FigureX = Board::kStartX;
    s_.FigureY = 0;
    s_.FigureCells = 0;

    s_.TumblixBonusSum += s_.FigureQueue[0].bonus;
    if (s_.TumblixBonusSum > 0)
        panel_.setText(Ctl::lblSumBonus,
                       "  Tumblix Bonus : " + std::to_string(s_.TumblixBonusSum / 10));
    s_.Score += s_.FigureQueue[0].bonus;

    ShiftFigureQueue();
    stirRandom(random_, clock_);
    s_.FigureColor = randomColor(105, 150);
    panel_.setFillColor(Ctl::picTumblix, s_.FigureColor);
    canvas_.board.setFillColor(s_.FigureColor);
    Initialize_Array_For_Tetris(s_.Figure, s_.FigureQueue[0].pattern);
    DrawFigure();
    ShowFigureBonus(s_.FigureQueue[1]);
    Initialize_Array_For_Tetris(s_.NextFigure, s_.FigureQueue[1].pattern);
    DrawNextFigure();

    s_.TotalTimeBonus += 201 - s_.TimeCounter;
    ShowTimeBonus(200 - s_.TimeCounter);
    s_.TimeCounter = 0;
    panel_.setText(Ctl::lblScore, std::to_string(s_.Score / 10));

    ++s_.Steps;
    std::string line =
        std::to_string(s_.Steps) + ". +" + std::to_string((s_.Score - s_.ScoreBefore) / 10);
    if (lines > 0) line += " -> " + std::to_string(lines) + " lines";
    line += " (" + std::to_string(s_.FigureClicks) + ")";
    addStatLine(std::move(line), true);
    s_.Clicks += s_.FigureClicks;
    s_.FigureClicks = 0;

    if (records_) records_->updatePlace(s_.Score / 10);
    if (s_.FigureQueue[0].isTumblix) {
        addStatLine("...Tumblix figure", true);
        ++s_.TumblixCount;
    }
    ResetMenuColors();
    DrawFuture();
    if (GameOver()) {
        ShowAllResult();
        EndGame(s_.Score / 10);
    }
}

}  // namespace tumblix
