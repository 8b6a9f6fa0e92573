// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace tumblix {

// Answers --help and --version before any window system is reached: returns the exit code when
// the command line asked for one of them, nothing when the game is to start as usual. Other
// arguments are left to the window system's own options and otherwise ignored.
std::optional<int> answerCommandLine(int argc, char** argv, const char* version);

}  // namespace tumblix
