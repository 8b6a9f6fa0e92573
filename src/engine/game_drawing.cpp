// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "engine/game.h"

namespace tumblix {

namespace {
constexpr int kCell = 250;
constexpr int kSquare = 194;
constexpr Color kFigureOutline = colors::cyan;

int cellX(int column) {
    return (column - Board::kFirstColumn) * kCell;
}
int cellY(int row) {
    return row * kCell;
}

// Paints the squares listed in cells (x in 0..15, y in 16..31) in the board's background.
void erase(Canvas& canvas, const std::array<int, 32>& cells, Color back) {
    for (int k = 0; k < 16; ++k) {
        int x = cells[k], y = cells[16 + k];
        if (x != 0 || y != 0) canvas.fillBox(x, y, x + kSquare, y + kSquare, back);
    }
}

// Draws the box's filled cells as framed squares at (column, row) and records their corners.
void drawBox(Canvas& canvas, const FigureBox& box, int column, int row, Color outline,
             std::array<int, 32>& cells) {
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            int k = x + 4 * y;
            if (!box[x][y]) {
                cells[k] = cells[16 + k] = 0;
                continue;
            }
            int px = cellX(column + x) + 28, py = cellY(row + y) + 28;
            canvas.frameBox(px, py, px + kSquare, py + kSquare, outline);
            cells[k] = px;
            cells[16 + k] = py;
        }
}
}  // namespace

void Game::DrawFigure() {
    if (s_.NewFigure)
        s_.NewFigure = false;
    else
        erase(canvas_.board, s_.DrawnCells, s_.BoardBackColor);
    drawBox(canvas_.board, s_.Figure, s_.FigureX, s_.FigureY, kFigureOutline, s_.DrawnCells);
}

void Game::DrawBoard() {
    canvas_.board.clear();
    for (int c = Board::kFirstColumn; c <= Board::kLastColumn; ++c)
        for (int r = 0; r <= Board::kLastRow; ++r) {
            Color color = s_.board.at(c, r);
            if (color == 0) continue;
            int x = cellX(c), y = cellY(r);
            canvas_.board.fillBox(x + 28, y + 28, x + 222, y + 222, colors::cyan);
            canvas_.board.fillBox(x + 38, y + 38, x + 212, y + 212, color);
        }
}

void Game::DrawGrid() {
    if (!settings_.bDrawSetka) return;
    Canvas& c = canvas_.board;
    c.setLineStyle(LineStyle::Solid);
    Color color = s_.Place < 1 ? rgb(200, 200, 220) : rgb(175, 175, 220);
    for (int k = 0; k <= 16; ++k) c.line(kCell * k, 0, kCell * k, 7750, color);
    for (int k = 0; k <= 31; ++k) c.line(0, kCell * k, 4000, kCell * k, color);
    c.setLineStyle(LineStyle::DashDot);
}

void Game::UpdateFantom() {
    if (settings_.iFantom == 0) return;
    if (settings_.iFantom == 1 && !s_.FigureQueue[0].isTumblix) return;
    int row = s_.board.landingRow(s_.Figure, s_.FigureX, s_.FigureY);
    DrawFantom(s_.FigureX, row);
}

void Game::DrawFantom(int column, int row) {
    if (!s_.NewFigure) erase(canvas_.board, s_.FantomCells, s_.BoardBackColor);
    drawBox(canvas_.board, s_.Figure, column, row, s_.FigureColor, s_.FantomCells);
}

void Game::DrawNextFigure() {
    canvas_.next.clear();
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (s_.NextFigure[x][y])
                canvas_.next.frameBox(kCell * x + 58, kCell * y + 58, kCell * x + 252,
                                      kCell * y + 252, s_.ColorFigura);
}

void Game::ShowFigureBonus(const QueueEntry& next) {
    if (next.isTumblix) {
        if (panel_[Ctl::lblScore].text != "---") host_.playSound(Sound::mTumblix1);
        panel_.setVisible(Ctl::lblFirma, true);
        s_.ColorFigura = colors::white;
        panel_.setFillColor(Ctl::picNext, colors::green);
        if (next.pattern != kSuperPattern) {
            panel_.setForeColor(Ctl::lblFirma, colors::yellow);
            panel_.setText(Ctl::lblFirma, "Tumblix-фигурка Bonus " +
                                              std::to_string(roundHalfEven(next.bonus / 10.0)));
        } else {
            panel_.setFillColor(Ctl::picNext, rgb(255, 0, 0));
            panel_.setForeColor(Ctl::lblFirma, rgb(0, 0, 255));
            panel_.setText(Ctl::lblFirma, "This Is Tumblix Bonus 25000");
            addStatLine("...SUPER TUMBLIX !!!");
        }
    } else {
        s_.ColorFigura = colors::white;
        panel_.setFillColor(Ctl::picNext, rgb(150, 52, 252));
    }
    canvas_.next.setFillColor(panel_[Ctl::picNext].fillColor);
}

void Game::DrawFuture() {
    const double s = 1 / 1.3;
    Canvas& c = canvas_.future;
    c.setFillColor(panel_[Ctl::picFuture].backColor);
    c.clear();
    if (chooser_.sequenceOn()) c.fillBox(10, 10, 100, 100, rgb(255, 0, 0));
    for (int i = 0; i < 3; ++i) {
        const std::string& pattern = s_.FigureQueue[static_cast<std::size_t>(2 + i)].pattern;
        double x0 = 1200.0 * i;
        for (int X = 1; X <= 4; ++X)
            for (int Y = 1; Y <= 4; ++Y) {
                std::size_t k = static_cast<std::size_t>(4 * (X - 1) + (Y - 1));
                bool one = k < pattern.size() && pattern[k] == '1';
                c.frameBox(s * (x0 + 250 * X + 28) - 50, s * (250 * Y + 28) - 100,
                           s * (x0 + 250 * X + 222) - 50, s * (250 * Y + 222) - 100,
                           one ? qbColor(15) : rgb(20, 150, 150));
            }
    }
}

void Game::Minimize_Window(bool) {
    DrawFigure();
    DrawNextFigure();
}

}  // namespace tumblix
