// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace tumblix {

// The steps of the game's start, each given by the entry point.
struct StartUpSteps {
    std::function<void()> showSplash;
    std::function<void()> createSounds;
    // The clock's seconds (0-59) now.
    std::function<int()> clockSeconds;
    // Lets the splash window live a moment; false once waiting any longer is pointless.
    std::function<bool()> idle;
    std::function<void()> removeSplash;
    std::function<void()> showMainWindow;
};

// Shows the splash, creates the event sounds while it shows, keeps it up until the last digit
// of the clock's seconds changes, then removes it and shows the main window.
void startUp(const StartUpSteps& steps);

}  // namespace tumblix
