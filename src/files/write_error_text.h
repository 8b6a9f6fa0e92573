// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <system_error>

namespace tumblix {

// Why a file could not be written, in the player's words (Russian).
std::string writeErrorText(const std::error_code& error);

}  // namespace tumblix
