// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/game.h"

#include <algorithm>
#include <string>

namespace tumblix {

Game::Game(Random& random, const Clock& clock, GameHost& host, Canvases canvases)
    : random_(random), clock_(clock), host_(host), canvas_(canvases), chooser_(random, clock) {}

Color Game::randomColor(int base, int spread) {
    double r = random_.next(), g = random_.next(), b = random_.next();
    return rgb(roundInt(base + spread * r), roundInt(base + spread * g),
               roundInt(base + spread * b));
}

void Game::Form_Load() {
    random_.reseed(clock_.timer());
    s_.FigureKinds = random_.next() > 0.5 ? 8 : 7;
    s_.FigureColor = randomColor(154, 100);
    panel_.setFillColor(Ctl::picTumblix, s_.FigureColor);
    canvas_.board.setFillColor(s_.FigureColor);
    s_.Clicks = 0;
    s_.TumblixCount = 0;
    if (shell_) shell_->initOnce();
    s_.MenuBackColor = panel_[Ctl::chkPause].backColor;
    panel_.setValue(Ctl::chkDemo, 0);
    panel_.setTimerEnabled(Timer::tmrDemo, false);
    s_.Level = 0;

    panel_.setText(Ctl::lblRemain, "");
    panel_.setForeColor(Ctl::lblLevel, qbColor(1));
    panel_.setText(Ctl::lblLevel, "Level # 0");
    panel_.setText(Ctl::lblPosition, "");
    panel_.setText(Ctl::lblNextPlace, "");
    panel_.setVisible(Ctl::lblNextPlace, true);

    s_.Figure = {};
    s_.NextFigure = {};
    s_.board.clear();
    s_.FigureX = Board::kStartX;
    s_.FigureY = 0;
    panel_.setBackColor(Ctl::frmMain, colors::black);

    random_.reseed(clock_.timer());
    s_.DownButtonColor = qbColor(static_cast<int>(15 * random_.next()) + 1);
    for (Ctl c :
         {Ctl::cmdDown, Ctl::cmdLeftRight0, Ctl::cmdLeftRight2, Ctl::cmdRotate0, Ctl::cmdSpace})
        panel_.setBackColor(c, s_.DownButtonColor);
    if (panel_[Ctl::chkPause].value != 1) panel_.setTimerEnabled(Timer::tmrDown, true);

    s_.LinesCount = {};
    panel_.setText(Ctl::lblScore, "---");
    s_.GameRunning = true;
    for (int n = 1; n <= 4; ++n) panel_.setText(lblCountLines(n), "");
    Minimize_Window(true);
    s_.FigureCells = 0;
    s_.Steps = 0;
    s_.LevelLines = 0;

    {
        double r1 = random_.next(), r2 = random_.next();
        Color c = rgb(roundInt(200 * r1), roundInt(100 * r2), 150);
        panel_.setForeColor(Ctl::lblPosition, c);
        panel_.setForeColor(Ctl::lblNextPlace, c);
        r1 = random_.next();
        r2 = random_.next();
        c = rgb(roundInt(100 * r1), roundInt(100 * r2), 250);
        for (Ctl l : {Ctl::lblTimeBonus, Ctl::lblTotal, Ctl::lblHeightBonus, Ctl::lblTotalScore})
            panel_.setForeColor(l, c);
    }

    panel_.clearList(List::lstStatistic);
    addStatLine("**********************");
    addStatLine("***Staring Tumblix XII");
    addStatLine("**********************");

    for (auto& entry : s_.FigureQueue) entry = chooser_.next(s_.FigureKinds);
    if (s_.FigureQueue[0].isTumblix) addStatLine("...Tumblix figure");
    Initialize_Array_For_Tetris(s_.Figure, s_.FigureQueue[0].pattern);
    Initialize_Array_For_Tetris(s_.NextFigure, s_.FigureQueue[1].pattern);
    // The caption of the last game's next figure goes; this game's next one may show it again.
    panel_.setVisible(Ctl::lblFirma, false);
    ShowFigureBonus(s_.FigureQueue[1]);

    int entries =
        records_ ? records_->load() : static_cast<int>(panel_.list(List::lstTable).lines.size());
    s_.Place = entries;
    panel_.setForeColor(Ctl::lblScore, colors::black);
    s_.TumblixBonusSum = 0;
    panel_.setText(Ctl::lblSumBonus, "");
    s_.TotalTimeBonus = 0;
    panel_.setEnabled(Ctl::cmdDown, true);
    s_.Dropping = false;
    if (entries < 99) panel_.setText(Ctl::lblPosition, "Place # " + std::to_string(entries + 1));

    DrawFuture();
    if (shell_) shell_->syncMenuButtons();

    stirRandom(random_, clock_);
    {
        double r1 = random_.next(), r2 = random_.next(), r3 = random_.next();
        panel_.setBackColor(Ctl::lstTable,
                            rgb(roundInt(150 * r1), roundInt(200 * r2), roundInt(255 * r3)));
        r1 = random_.next(), r2 = random_.next(), r3 = random_.next();
        panel_.setBackColor(Ctl::lstStatistic,
                            rgb(roundInt(150 * r1), roundInt(50 * r2), roundInt(250 * r3)));
    }
    stirRandom(random_, clock_);
    {
        double r1 = random_.next(), r2 = random_.next(), r3 = random_.next();
        Color c = rgb(roundInt(10 * r1), roundInt(10 * r2), roundInt(80 * r3));
        panel_.setBackColor(Ctl::picFuture, c);
        canvas_.future.setBackColor(c);
        DrawFuture();
        r1 = random_.next(), r2 = random_.next(), r3 = random_.next();
        panel_.setBackColor(Ctl::frmMP3,
                            rgb(roundInt(150 * r1), roundInt(30 * r2), roundInt(100 * r3)));
    }

    DrawBoard();
    DrawFigure();
    DrawGrid();
    DrawNextFigure();
    if (shell_) shell_->showMainWindow();
    s_.BoardBackColor = panel_[Ctl::picTumblix].backColor;
}

void Game::tmrDown_Timer() {
    if (ended()) return;
    ++s_.TickCount;
    if (!s_.Dropping && s_.TimeCounter < 201) {
        ShowTimeBonus(200 - s_.TimeCounter);
        ++s_.TimeCounter;
    }
    host_.sweepMusicBalance();
    if (s_.TickCount < 150 - s_.Speed && !s_.Dropping) return;
    DrawFigure();
    if (CanMoveDown()) {
        ++s_.FigureY;
        s_.TickCount = 0;
        return;
    }
    landFigure();
}

int Game::ticksUntilShown() const {
    if (s_.Dropping || s_.TimeCounter < 201) return 1;
    return std::max(1, 150 - s_.Speed - s_.TickCount);
}

bool Game::EnableMoveLRForMouse(int lX) const {
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            if (!s_.Figure[x][y]) continue;
            int col = lX + x;
            if (col < Board::kFirstColumn || col > Board::kLastColumn) return false;
            if (s_.board.at(col, s_.FigureY + y) != 0) return false;
        }
    return true;
}

bool Game::CanMoveDown() const {
    return s_.board.canMoveDown(s_.Figure, s_.FigureX, s_.FigureY);
}

bool Game::FigureFits(const FigureBox& candidate) const {
    return s_.board.fits(candidate, s_.FigureX, s_.FigureY);
}

void Game::RotateFigure() {
    FigureBox t = rotatedClockwise(s_.Figure);
    if (FigureFits(t)) s_.Figure = t;
}

bool Game::CanInvert() const {
    if (!s_.board.boxFreeForInversion(s_.FigureX, s_.FigureY)) return false;
    // Refused too: an inversion that would put cells below the last row (near the floor), and
    // one that would leave no cell at all (a full sixteen-cell box), which could never land.
    FigureBox t = inverted(s_.Figure);
    bool any = false;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            if (!t[x][y]) continue;
            if (s_.FigureY + y > Board::kLastRow) return false;
            any = true;
        }
    return any;
}

void Game::InvertFigure() {
    s_.Figure = inverted(s_.Figure);
    DrawFigure();
    host_.playSound(Sound::mInverse1);
}

bool Game::GameOver() const {
    return s_.board.overlaps(s_.Figure, s_.FigureX, s_.FigureY);
}

void Game::Initialize_Array_For_Tetris(FigureBox& arr, const std::string& pattern) {
    s_.FigureCells += decodePattern(pattern, arr);
    UpdateFantom();
}

void Game::addStatLine(std::string line, bool selectLast) {
    panel_.addLine(List::lstStatistic, std::move(line));
    if (selectLast) panel_.selectLastLine(List::lstStatistic);
}

void Game::ShowAllResult() {
    addStatLine("");
    addStatLine("*****************");
    addStatLine("*** Game Over ***");
    addStatLine("*****************");
    addStatLine("Steps = " + std::to_string(s_.Steps));
    addStatLine("Clicks = " + std::to_string(s_.Clicks));
    addStatLine("Tumblix = " + std::to_string(s_.TumblixCount));
    addStatLine("-----------------");
    addStatLine("", true);
}

void Game::EndGame(std::int64_t score) {
    inEndGame_ = true;
    // Nothing falls while the question is open; a new game starts gravity again.
    panel_.setTimerEnabled(Timer::tmrDown, false);
    panel_.setTimerEnabled(Timer::tmrDemo, false);
    host_.closeGameWindows();
    if (records_) records_->store(score);
    bool again = host_.askNewGame();
    if (again) {
        s_.Score = 0;
        s_.Speed = 0;
        if (records_) records_->clear();
        inEndGame_ = false;
        Form_Load();
        return;
    }
    closed_ = true;
    inEndGame_ = false;
    s_.GameRunning = false;
    panel_.setTimerEnabled(Timer::tmrDown, false);
    host_.closeMainWindow();
}

}  // namespace tumblix

namespace tumblix {

void Game::ResetMenuColors() {
    for (Ctl c : {Ctl::chkPause, Ctl::chkDemo, Ctl::chkSet, Ctl::chkHelp, Ctl::chkExit}) {
        if (panel_[c].backColor == kMenuBack) continue;
        panel_.setBackColor(c, kMenuBack);
        panel_.setForeColor(c, kMenuText);
    }
}

}  // namespace tumblix
