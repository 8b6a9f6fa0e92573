// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tick_driver.h"

#include <algorithm>
#include <chrono>

namespace tumblix {

std::int64_t SystemSteadyClock::micros() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TickDriver::start() {
    if (running_) return;
    running_ = true;
    ++epoch_;
    next_ = clock_.micros() + period_;
}

void TickDriver::stop() {
    // A tick that stops or restarts the driver itself (a game's end) has the last word.
    const std::uint64_t epoch = epoch_;
    catchUp();
    if (epoch_ == epoch) halt();
}

void TickDriver::halt() {
    if (!running_) return;
    running_ = false;
    ++epoch_;
}

int TickDriver::catchUp() {
    if (!running_ || ticking_) return 0;
    std::int64_t now = clock_.micros();
    if (now - next_ > kMaxBehindMicros)
        next_ += (now - next_ - kMaxBehindMicros) / period_ * period_;
    int ran = 0;
    const std::uint64_t epoch = epoch_;
    while (next_ <= now) {
        next_ += period_;
        ticking_ = true;
        tick_();
        ticking_ = false;
        ++ran;
        if (epoch_ != epoch) break;
    }
    return ran;
}

std::int64_t TickDriver::untilNext() const {
    if (!running_) return -1;
    return std::max<std::int64_t>(0, next_ - clock_.micros());
}

}  // namespace tumblix
