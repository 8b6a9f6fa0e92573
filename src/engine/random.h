// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace tumblix {

// Rounds to the nearest whole number, halves to the even neighbour.
inline std::int64_t roundHalfEven(double v) {
    double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
    return static_cast<std::int64_t>(r);
}
inline int roundInt(double v) {
    return static_cast<int>(roundHalfEven(v));
}

// The process-wide uniform generator in [0, 1).
class Random {
  public:
    virtual ~Random() = default;
    virtual double next() = 0;
    // Reseeds from the clock's running seconds.
    virtual void reseed(double timerSeconds) = 0;
};

// The time of day, as the game reads it.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds of the current minute, 0..59.
    virtual int seconds() const = 0;
    // Seconds since midnight, with a fraction.
    virtual double timer() const = 0;
};

// The variant choice of the drop and landing sounds: r above 0.5, compared in single precision.
inline bool firstVariant(double r) {
    return static_cast<float>(r) > 0.5f;
}

class MersenneRandom final : public Random {
  public:
    explicit MersenneRandom(std::uint64_t seed = 1) : engine_(seed) {}
    double next() override { return dist_(engine_); }
    void reseed(double timerSeconds) override {
        std::uint64_t bits = static_cast<std::uint64_t>(timerSeconds * 1000.0);
        engine_.seed(bits ^ (reseeds_++ * 0x9E3779B97F4A7C15ull));
    }

  private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
    std::uint64_t reseeds_ = 0;
};

class SystemClock final : public Clock {
  public:
    int seconds() const override;
    double timer() const override;
};

// Draws and discards s + 1 numbers, s being the clock's seconds.
void stirRandom(Random& random, const Clock& clock);

}  // namespace tumblix
