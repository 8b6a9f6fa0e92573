#include "gamepad/pad_keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "control/keyboard.h"

namespace tumblix::testing {
namespace {

using Keys = std::vector<std::pair<int, bool>>;

// A held arrow repeats after the delay at the interval, from the D-pad and from the stick
// alike, until it is let go; a read that comes very late plays at most three repeats.
TEST(PadKeysTest, AHeldArrowRepeatsAtTheDesktopRate) {
    const std::function<void(PadState&)> holds[] = {
        [](PadState& s) { s[PadButton::DpadLeft] = true; }, [](PadState& s) { s.stickX = -32768; }};
    for (const auto& hold : holds) {
        PadKeys keys({300, 50});
        std::vector<std::int64_t> presses;
        std::int64_t t = 0;
        int releases = 0;
        KeySink sink = [&](int code, bool down) {
            EXPECT_EQ(code, vk::Left);
            down ? presses.push_back(t) : void(++releases);
        };
        PadState state;
        hold(state);
        for (t = 0; t <= 500; t += 10) keys.update(state, t, sink);
        EXPECT_EQ(presses, (std::vector<std::int64_t>{0, 300, 350, 400, 450, 500}));
        EXPECT_EQ(keys.untilRepeat(520), 30);
        t = 2000;
        keys.update(state, t, sink);
        EXPECT_EQ(presses.size(), 9u);
        EXPECT_EQ(keys.untilRepeat(2000), 50);
        keys.update(PadState{}, t, sink);
        EXPECT_EQ(releases, 1);
        EXPECT_EQ(presses.size(), 9u);
        EXPECT_EQ(keys.untilRepeat(2000), -1);
    }
}

// A key held from two controls is pressed once and let go when both are; a release comes
// before a press in the same read; the arrow pressed last takes the repeat over, and Space
// (as Esc) ends it without repeating itself.
TEST(PadKeysTest, TheLastPressedKeyRepeatsAndReleasesComeFirst) {
    PadKeys keys({300, 50});
    PadState s;
    auto at = [&](std::int64_t t) {
        Keys got;
        keys.update(s, t, [&](int code, bool down) { got.emplace_back(code, down); });
        return got;
    };
    s[PadButton::DpadLeft] = true;
    s.stickX = -32768;
    EXPECT_EQ(at(0), (Keys{{vk::Left, true}}));
    s[PadButton::DpadLeft] = false;
    EXPECT_EQ(at(100), Keys{});
    s.stickX = 32767;
    EXPECT_EQ(at(200), (Keys{{vk::Left, false}, {vk::Right, true}}));
    s[PadButton::A] = true;
    EXPECT_EQ(at(400), (Keys{{vk::Up, true}}));
    EXPECT_EQ(at(699), Keys{});
    EXPECT_EQ(at(700), (Keys{{vk::Up, true}}));
    s[PadButton::X] = true;
    EXPECT_EQ(at(710), (Keys{{vk::Space, true}}));
    EXPECT_EQ(at(1500), Keys{});
    s[PadButton::Start] = true;
    EXPECT_EQ(at(1510), (Keys{{vk::Escape, true}}));
    EXPECT_EQ(at(5000), Keys{});
    EXPECT_EQ(keys.untilRepeat(5000), -1);
}

// The stick presses its arrow past a third of its travel and lets go under a quarter; the axis
// pushed further chooses, and the stick pushed up presses nothing.
TEST(PadKeysTest, TheStickHasADeadZone) {
    struct Step {
        int x, y;
        int held;  // the key the stick holds after the step, 0 for none
    };
    const Step steps[] = {
        {10900, 0, 0},
        {11000, 0, vk::Right},
        {8300, 0, vk::Right},
        {8100, 0, 0},
        {-11000, -30000, 0},
        {-20000, 15000, vk::Left},
        {-9000, 30000, vk::Left},
        {-8000, 30000, vk::Down},
        {5000, 8300, vk::Down},
        {5000, 8100, 0},
        {12000, 12001, vk::Down},
    };
    PadKeys keys({300, 50});
    std::set<int> held;
    for (const Step& step : steps) {
        PadState state;
        state.stickX = step.x;
        state.stickY = step.y;
        keys.update(state, 0, [&](int code, bool down) {
            down ? void(held.insert(code)) : void(held.erase(code));
        });
        EXPECT_EQ(held, step.held ? std::set<int>{step.held} : std::set<int>{})
            << step.x << "," << step.y;
    }
}

}  // namespace
}  // namespace tumblix::testing
