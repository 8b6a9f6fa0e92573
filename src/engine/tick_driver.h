// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace tumblix {

// A monotonic clock in microseconds, as the tick driver reads it.
class SteadyClock {
  public:
    virtual ~SteadyClock() = default;
    virtual std::int64_t micros() const = 0;
};

class SystemSteadyClock final : public SteadyClock {
  public:
    std::int64_t micros() const override;
};

// Delivers a steady tick from irregular wake-ups. Whoever wakes it (a display frame, a key, a
// click) first runs every tick that has fallen due since the last run, in order, so ticks and
// inputs interleave as under a true periodic timer; the part of a period not yet over carries
// over to the next run. Ticks keep the phase they got at the start, one period after it.
class TickDriver {
  public:
    // A stall longer than this (a stopped process, a suspended machine) is skipped, not replayed.
    static constexpr std::int64_t kMaxBehindMicros = 1'000'000;

    TickDriver(const SteadyClock& clock, std::function<void()> tick)
        : clock_(clock), tick_(std::move(tick)) {}

    void setPeriod(std::int64_t micros) { period_ = micros > 0 ? micros : 1; }
    std::int64_t period() const { return period_; }
    // The first tick falls due one period from now; a running driver keeps its phase.
    void start();
    // Stops the ticks. Called from outside a tick (a pause, a minimised window) it first runs
    // the ticks already due, as a true periodic timer would have, so a pause loses none.
    void stop();
    // Stops at once and drops the ticks due: the program is closing.
    void halt();
    bool running() const { return running_; }

    // Runs the ticks due up to now and returns how many ran. A tick that stops or restarts the
    // driver ends the batch; a call from inside a tick (a dialog's event loop) runs nothing.
    int catchUp();
    // Microseconds until the next tick is due, 0 when one is due; -1 while stopped.
    std::int64_t untilNext() const;

  private:
    const SteadyClock& clock_;
    std::function<void()> tick_;
    std::int64_t period_ = 2000;
    std::int64_t next_ = 0;  // when the next tick falls due
    std::uint64_t epoch_ = 0;
    bool running_ = false;
    bool ticking_ = false;
};

}  // namespace tumblix
