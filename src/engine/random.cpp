// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/random.h"

#include <chrono>
#include <ctime>

namespace tumblix {

namespace {
std::tm localNow(double* fraction) {
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    if (fraction) {
        auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
        *fraction = static_cast<double>(ms.count()) / 1000.0;
    }
    return tm;
}
}  // namespace

int SystemClock::seconds() const {
    return localNow(nullptr).tm_sec % 60;
}

double SystemClock::timer() const {
    double fraction = 0;
    std::tm tm = localNow(&fraction);
    return tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec + fraction;
}

void stirRandom(Random& random, const Clock& clock) {
    int s = clock.seconds();
    if (s < 0) s = 0;
    for (int i = 0; i <= s; ++i) random.next();
}

}  // namespace tumblix
