// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/start_up.h"

namespace tumblix {
namespace {

// The splash comes before the sounds and goes only once the last digit of the clock's seconds
// has changed (not the tens, not the whole seconds), and before the main window; a splash that
// waits too long goes anyway.
TEST(StartUpTest, SplashSoundsWaitForTheSecondsDigitThenMainWindow) {
    struct Case {
        std::vector<int> seconds;
        int patience;
        std::string steps;
    };
    const Case cases[] = {{{17, 17, 27, 19}, 99, "splash sounds 17 17 idle 27 idle 19 gone main"},
                          {{4, 4, 4, 4, 4, 5}, 2, "splash sounds 4 4 idle 4 idle 4 gone main"}};
    for (const Case& c : cases) {
        std::string steps;
        std::size_t read = 0;
        int idled = 0;
        auto step = [&steps](const char* name) { return [&steps, name] { steps += name; }; };
        startUp({.showSplash = step("splash"),
                 .createSounds = step(" sounds"),
                 .clockSeconds =
                     [&] {
                         int s = c.seconds[std::min(read++, c.seconds.size() - 1)];
                         (steps += ' ') += std::to_string(s);
                         return s;
                     },
                 .idle = [&] { return ++idled <= c.patience && (steps += " idle", true); },
                 .removeSplash = step(" gone"),
                 .showMainWindow = step(" main")});
        EXPECT_EQ(steps, c.steps);
    }
}

}  // namespace
}  // namespace tumblix
