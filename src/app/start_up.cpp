// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_up.h"

namespace tumblix {

void startUp(const StartUpSteps& steps) {
    steps.showSplash();
    steps.createSounds();
    const int digit = steps.clockSeconds() % 10;
    while (steps.clockSeconds() % 10 == digit && steps.idle()) {
    }
    steps.removeSplash();
    steps.showMainWindow();
}

}  // namespace tumblix
