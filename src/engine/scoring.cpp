// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scoring.h"

#include "engine/random.h"

namespace tumblix {

std::int64_t linesBonus(int n) {
    double cube = static_cast<double>(n) * n * n;
    return roundHalfEven(cube * 750.0 + 2000.0);
}

std::string countLinesText(int n, std::int64_t count, std::int64_t bonusTenths) {
    return std::to_string(n) + "-Lines*" + std::to_string(count) + " = " +
           std::to_string(count * (bonusTenths / 10));
}

std::string remainText(std::int64_t levelLines) {
    if (levelLines == 7) return "1234567";
    std::string digits;
    for (std::int64_t k = 1; k <= 7 - levelLines; ++k) digits += static_cast<char>('0' + k);
    return digits;
}

}  // namespace tumblix
