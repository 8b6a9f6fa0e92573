// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tumblix {

// The lines bonus in tenths of a point for n rows removed at once: n^3 * 750 + 2000.
std::int64_t linesBonus(int n);

// The lines-bonus label: "2-Lines*3 = 2400" after the third two-row landing.
std::string countLinesText(int n, std::int64_t count, std::int64_t bonusTenths);

// The rows still needed for the next level as a run of digits ("123456" after the first row);
// "1234567" at exactly seven.
std::string remainText(std::int64_t levelLines);

}  // namespace tumblix
