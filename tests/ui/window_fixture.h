// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "records/list_window.h"
#include "support/answer_modal.h"
#include "support/settings_values.h"
#include "ui/main_window.h"

namespace tumblix::testing {

// The real main window, with its sounds recorded instead of played.
class RecordingMainWindow : public MainWindow {
  public:
    using MainWindow::MainWindow;
    void playSound(Sound s) override { sounds.push_back(s); }
    void sweepMusicBalance() override { ++ticks; }  // once per gravity tick
    std::vector<Sound> sounds;
    int ticks = 0;
};

// A started game in the real window, with the gravity timer held still so that only the
// test's events move the figure.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<RecordingMainWindow>(random, clock, folder.path());
        window->start();
        window->game().panel().setTimerEnabled(Timer::tmrDown, false);  // gravity held still
        window->sounds.clear();
    }

    GameState& state() { return window->game().state(); }
    Panel& panel() { return window->game().panel(); }
    QWidget* board() { return &window->board(); }
    auto* button(const char* name) { return qobject_cast<QPushButton*>(window->control(name)); }

    // Puts an I figure standing in box column 1 at (x, y) on an empty board.
    void standI(int x, int y) {
        state().board.clear();
        state().Figure = boxFromRows({".#..", ".#..", ".#..", ".#.."});
        state().FigureX = x;
        state().FigureY = y;
        state().FigureClicks = 0;
    }

    void key(Qt::Key k) { QTest::keyClick(board(), k); }

    QTemporaryDir folder;
    MersenneRandom random{7};
    StillClock clock;
    std::unique_ptr<RecordingMainWindow> window;
};

}  // namespace tumblix::testing
