// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tumblix {

// The ten event sounds, in the order they are created.
enum class Sound {
    mDown1,
    mLeft1,
    mRight1,
    mRotate1,
    mDrop1,
    mDelLin1,
    mTumblix1,
    mDrop2,
    mDown2,
    mInverse1
};

// What the game asks of the windows around it.
class GameHost {
  public:
    virtual ~GameHost() = default;
    virtual void playSound(Sound) {}
    // The background music's balance sweep, once per gravity tick.
    virtual void sweepMusicBalance() {}
    // Closes the windows that must not outlive a game: the file chooser, help and settings.
    virtual void closeGameWindows() {}
    // Shows the game-over question modally; true when the player wants a new game.
    virtual bool askNewGame() = 0;
    // Unloads the main window, which ends the program.
    virtual void closeMainWindow() = 0;
    // Gives the keyboard focus back to the board.
    virtual void focusBoard() {}
    virtual void minimizeMainWindow() {}
    virtual void restoreMainWindow() {}
    // Shows the about window modally.
    virtual void showAbout() {}
};

}  // namespace tumblix
