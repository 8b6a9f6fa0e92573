// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <thread>

#include "sound/direct_sound.h"

namespace tumblix::test {

// Runs the window thread's events until the music's file was opened or found unplayable;
// false if no answer came within a generous bound.
inline bool awaitMusic(const DirectSound& music) {
    for (int i = 0; i < 2000 && music.opening(); ++i)
        QCoreApplication::processEvents(),
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !music.opening();
}

}  // namespace tumblix::test
