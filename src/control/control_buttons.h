// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/game.h"

namespace tumblix {

// The five on-screen control buttons and the mouse over the board. The keyboard and the demo
// call these same handlers.
class ControlButtons {
  public:
    explicit ControlButtons(Game& game) : game_(game) {}

    void cmdLeftRight_MouseDown(int index);  // index 0 left, 2 right
    void cmdLeftRight_MouseUp();
    void cmdRotate_MouseDown(int index = 0);
    void cmdRotate_MouseUp();
    void cmdDown_MouseDown();
    void cmdDown_MouseUp();
    void cmdSpace_MouseDown();
    void cmdSpace_MouseUp();

    // Mouse over the board: button 1 left, 2 right; x in board units.
    void picTumblix_MouseDown(int button);
    void picTumblix_MouseUp(int button);
    void picTumblix_MouseMove(double x);

    int lastMouseColumn() const { return LastMouseColumn; }

  private:
    void drop();
    void playDropSound();
    // Puts the figure's box at column and redraws; counts the step and sounds its direction.
    void moveTo(int column, bool right);
    // Turns the figure if it fits and redraws it with its ghost.
    void turn();

    Game& game_;
    // The box column the last successful mouse move put a figure at; kept across figures.
    int LastMouseColumn = 0;
};

}  // namespace tumblix
