// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <system_error>

namespace tumblix {

// Why a file could not be written, in the player's words: Russian, or the player's language
// once the program has set translateWriteError.
std::string writeErrorText(const std::error_code& error);

// Gives one of writeErrorText's Russian texts in the player's language; none keeps them.
inline std::string (*translateWriteError)(const char* text) = nullptr;

}  // namespace tumblix
