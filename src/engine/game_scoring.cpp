// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "engine/game.h"
#include "engine/scoring.h"

namespace tumblix {

void Game::ShowTimeBonus(std::int64_t bonus) {
    panel_.setText(Ctl::lblTimeBonus, std::to_string(bonus));
    panel_.setText(Ctl::lblTotalScore, std::to_string(s_.TotalTimeBonus));
}

// The lines bonus of a landing that removed n rows, with its display.
void Game::scoreLines(int n) {
    host_.playSound(Sound::mDelLin1);
    std::int64_t bonus = linesBonus(n);
    s_.Score += bonus;
    s_.LastLines = n;
    for (int k = 1; k <= 4; ++k) panel_.setForeColor(lblCountLines(k), colors::black);
    if (!panel_.timer(Timer::tmrMigCountLines).enabled)
        panel_.setTimerEnabled(Timer::tmrMigCountLines, true);
    else
        s_.BlinkCount = 0;
    int slot = n < 1 ? 0 : n > 4 ? 3 : n - 1;
    ++s_.LinesCount[slot];
    panel_.setText(lblCountLines(n), countLinesText(n, s_.LinesCount[slot], bonus));
}

// After each removed row: count it toward the level, and change the level every seventh row.
void Game::levelProgress() {
    ++s_.LevelLines;
    panel_.setText(Ctl::lblRemain, remainText(s_.LevelLines));
    if (s_.Speed < 150 && s_.LevelLines >= 7) {
        s_.Speed += 15;
        ++s_.Level;
        s_.LevelLines = 0;
        panel_.setText(Ctl::lblLevel, "Level # " + std::to_string(s_.Level));
        addStatLine("************************");
        addStatLine("Welcome to " + panel_[Ctl::lblLevel].text);
        addStatLine("************************");
        addStatLine("...Score : " + std::to_string(s_.Score / 10));
        panel_.setTimerEnabled(Timer::tmrLevel, true);
    }
}

void Game::tmrMigCountLines_Timer() {
    ++s_.BlinkCount;
    Ctl label = lblCountLines(s_.LastLines);
    Color frameBack = panel_[Ctl::fraLines].backColor;
    panel_.setForeColor(label, panel_[label].foreColor != frameBack ? frameBack : colors::black);
    if (s_.BlinkCount > 5) {
        panel_.setTimerEnabled(Timer::tmrMigCountLines, false);
        panel_.setForeColor(label, colors::black);
        s_.BlinkCount = 0;
    }
}

void Game::tmrLevel_Timer() {
    ++s_.LevelFlashStep;
    Color c = qbColor(roundInt(15 * random_.next()));
    panel_.setForeColor(Ctl::lblLevel, c);
    panel_.setBackColor(Ctl::frmMain, c);
    if (s_.LevelFlashStep > 15) {
        panel_.setTimerEnabled(Timer::tmrLevel, false);
        panel_.setForeColor(Ctl::lblLevel, s_.Level == 6 ? qbColor(13) : qbColor(s_.Level + 1));
        panel_.setBackColor(Ctl::frmMain, colors::black);
        s_.LevelFlashStep = 0;
    }
}

}  // namespace tumblix
