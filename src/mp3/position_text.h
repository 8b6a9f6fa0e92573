// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tumblix {

// A play position as the player shows it: whole seconds (halves to even), "0:ss" under one
// minute, then "mm:ss" with at least two digits of minutes (0:07, 01:05, 100:00).
std::string positionText(std::int64_t ms);

}  // namespace tumblix
