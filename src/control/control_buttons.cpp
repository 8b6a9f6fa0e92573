// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/control_buttons.h"

#include "engine/random.h"

namespace tumblix {

namespace {
constexpr Color kMoveColor = colors::green;
constexpr Color kTurnColor = colors::yellow;
}  // namespace

void ControlButtons::cmdLeftRight_MouseDown(int index) {
    Panel& p = game_.panel();
    GameState& s = game_.state();
    p.setBackColor(index == 0 ? Ctl::cmdLeftRight0 : Ctl::cmdLeftRight2, kMoveColor);
    int target = s.FigureX + index - 1;
    if (game_.EnableMoveLRForMouse(target)) moveTo(target, index != 0);
}

void ControlButtons::moveTo(int column, bool right) {
    game_.state().FigureX = column;
    ++game_.state().FigureClicks;
    game_.PlaySound(right ? Sound::mRight1 : Sound::mLeft1);
    game_.UpdateFantom();
    game_.DrawFigure();
}

void ControlButtons::turn() {
    game_.RotateFigure();
    game_.UpdateFantom();
    game_.DrawFigure();
}

void ControlButtons::cmdLeftRight_MouseUp() {
    Panel& p = game_.panel();
    p.setBackColor(Ctl::cmdLeftRight0, game_.state().DownButtonColor);
    p.setBackColor(Ctl::cmdLeftRight2, game_.state().DownButtonColor);
    game_.host().focusBoard();
}

void ControlButtons::cmdRotate_MouseDown(int) {
    game_.panel().setBackColor(Ctl::cmdRotate0, kTurnColor);
    ++game_.state().FigureClicks;
    game_.PlaySound(Sound::mRotate1);
    turn();
}

void ControlButtons::cmdRotate_MouseUp() {
    game_.panel().setBackColor(Ctl::cmdRotate0, game_.state().DownButtonColor);
    game_.host().focusBoard();
}

void ControlButtons::playDropSound() {
    game_.PlaySound(firstVariant(game_.random().next()) ? Sound::mDrop1 : Sound::mDrop2);
}

void ControlButtons::drop() {
    game_.state().Dropping = true;
    game_.panel().setBackColor(Ctl::cmdDown, colors::black);
    ++game_.state().FigureClicks;
    playDropSound();
    game_.panel().setEnabled(Ctl::cmdDown, false);
}

void ControlButtons::cmdDown_MouseDown() {
    drop();
}

void ControlButtons::cmdDown_MouseUp() {
    game_.host().focusBoard();
}

void ControlButtons::cmdSpace_MouseDown() {
    game_.panel().setBackColor(Ctl::cmdSpace, kTurnColor);
    if (!game_.state().GameRunning) return;
    if (game_.CanInvert()) game_.InvertFigure();
    game_.UpdateFantom();
}

void ControlButtons::cmdSpace_MouseUp() {
    game_.panel().setBackColor(Ctl::cmdSpace, game_.state().DownButtonColor);
    game_.host().focusBoard();
}

void ControlButtons::picTumblix_MouseDown(int button) {
    if (!game_.state().GameRunning) return;
    if (button == 1) {
        game_.panel().setBackColor(Ctl::cmdRotate0, kTurnColor);
        game_.PlaySound(Sound::mRotate1);
        turn();
        ++game_.state().FigureClicks;
    } else if (button == 2) {
        drop();
    }
}

void ControlButtons::picTumblix_MouseUp(int button) {
    if (button == 1) game_.panel().setBackColor(Ctl::cmdRotate0, game_.state().DownButtonColor);
}

void ControlButtons::picTumblix_MouseMove(double x) {
    GameState& s = game_.state();
    if (!s.GameRunning || s.Dropping) return;
    // The pointer's playfield column c puts the box's second column under it: box column c + 3.
    int col = static_cast<int>(roundHalfEven(x) / 250) + 3;
    Panel& p = game_.panel();
    p.setBackColor(Ctl::cmdLeftRight0, s.DownButtonColor);
    p.setBackColor(Ctl::cmdLeftRight2, s.DownButtonColor);
    if (col == LastMouseColumn || !game_.EnableMoveLRForMouse(col)) return;
    bool right = col > LastMouseColumn;
    LastMouseColumn = col;
    p.setBackColor(right ? Ctl::cmdLeftRight2 : Ctl::cmdLeftRight0, kMoveColor);
    moveTo(col, right);
}

}  // namespace tumblix
