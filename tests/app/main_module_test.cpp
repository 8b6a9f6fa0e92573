#include <gtest/gtest.h>

#include "app/main_module.h"
#include "engine/random.h"

namespace tumblix {
namespace {

TEST(MainModuleTest, ShortenPathKeepsBothEnds) {
    std::string path = "C:\\Games\\Tumblix\\sound\\very_long_nam.wav";  // 40 characters
    ASSERT_EQ(path.size(), 40u);
    EXPECT_EQ(ShortenPath(path, 20), "C:\\Games..._nam.wav");
    EXPECT_EQ(ShortenPath(path, 40), path);
    EXPECT_EQ(ShortenPath("Музыка/Фон/мелодия.wav", 12), "Музы....wav");  // characters, not bytes
    EXPECT_EQ(ShortenPath("abcdef", 2), "...");
}

TEST(MainModuleTest, CutAtNullTrimsThenCuts) {
    EXPECT_EQ(CutAtNull("  tumblix-box   "), "tumblix-box");
    EXPECT_EQ(CutAtNull(std::string("host\0garbage   ", 15)), "host");
    EXPECT_EQ(CutAtNull("     "), "");
    EXPECT_FALSE(GetMachineName().empty());
}

TEST(MainModuleTest, YieldMessagesHandlesEventsSquaredTimes) {
    int calls = 0;
    YieldMessages(50, [&] { ++calls; });
    EXPECT_EQ(calls, 2601);
    calls = 0;
    YieldMessages(-1, [&] { ++calls; });
    EXPECT_EQ(calls, 0);
}

class CountingRandom final : public Random {
  public:
    double next() override { return ++draws, 0.5; }
    void reseed(double) override {}
    int draws = 0;
};
class FixedClock final : public Clock {
  public:
    explicit FixedClock(int s) : s_(s) {}
    int seconds() const override { return s_; }
    double timer() const override { return 0; }

  private:
    int s_;
};

TEST(MainModuleTest, StirRandomDrawsOneMoreThanTheSeconds) {
    CountingRandom r;
    stirRandom(r, FixedClock(0));
    EXPECT_EQ(r.draws, 1);
    stirRandom(r, FixedClock(59));
    EXPECT_EQ(r.draws, 61);
}

TEST(MainModuleTest, RoundingGoesHalfToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

}  // namespace
}  // namespace tumblix
