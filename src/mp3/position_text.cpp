// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3/position_text.h"

#include <cstdio>

namespace tumblix {

std::string positionText(std::int64_t ms) {
    std::int64_t s = ms / 1000;
    std::int64_t rest = ms % 1000;
    if (rest > 500 || (rest == 500 && s % 2 == 1)) ++s;
    char text[48];
    if (s < 60)
        std::snprintf(text, sizeof text, "0:%02lld", static_cast<long long>(s));
    else
        std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(s / 60),
                      static_cast<long long>(s % 60));
    return text;
}

}  // namespace tumblix
