#include "engine/tick_driver.h"

#include <gtest/gtest.h>

#include <vector>

namespace tumblix::test {
namespace {

struct FakeSteadyClock final : SteadyClock {
    std::int64_t micros() const override { return now; }
    std::int64_t now = 0;
};

// Ticks fall due a period after the start and keep that phase; a stop forgets it. A call from
// inside a tick (a dialog's event loop) runs nothing, a tick that stops and starts the driver (a
// new game) ends the batch, and a stall past a second is skipped.
TEST(TickDriverTest, RunsTheTicksDueInTheirPhase) {
    FakeSteadyClock clock;
    int ticks = 0;
    std::function<void()> inTick = [] {};
    TickDriver driver(clock, [&] { ++ticks, inTick(); });
    auto at = [&](std::int64_t t) { return clock.now = t, driver.catchUp(); };
    driver.start();
    EXPECT_EQ((std::vector{at(1999), at(2000), at(9999), at(10000)}), (std::vector{0, 1, 3, 1}));
    EXPECT_EQ(driver.untilNext(), 2000);
    driver.stop();
    EXPECT_EQ((std::pair{at(20500), driver.untilNext()}), (std::pair{0, -1L}));
    driver.start();
    EXPECT_EQ((std::vector{at(22499), at(22500)}), (std::vector{0, 1}));
    inTick = [&] {
        EXPECT_EQ(driver.catchUp(), 0);
        if (ticks == 8) driver.stop(), driver.start();
    };
    EXPECT_EQ((std::pair{at(40000), driver.untilNext()}), (std::pair{2, 2000L}));
    inTick = [] {};
    EXPECT_EQ(at(10'040'000), 501);
}

}  // namespace
}  // namespace tumblix::test
