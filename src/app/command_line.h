// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace tumblix {

// Answers --help and --version before any window system is reached: returns the exit code when
// the command line asked for one of them, nothing when the game is to start as usual; language
// gets the value of --language (ru or en), else stays as it is. Other arguments are left to the
// window system's own options and otherwise ignored.
std::optional<int> answerCommandLine(int argc, char** argv, const char* version,
                                     std::string& language);

}  // namespace tumblix
