#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "control/keyboard.h"
#include "gamepad/virtual_pad.h"

namespace tumblix::testing {
namespace {

using Keys = std::vector<std::pair<int, bool>>;

class SdlGamepadTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gamepad) << "SDL did not start"; }
    // The keys one read gives.
    Keys poll() {
        Keys keys;
        gamepad->poll(now, [&](int code, bool down) { keys.emplace_back(code, down); });
        return keys;
    }

    std::unique_ptr<SdlGamepad> gamepad = openVirtualOnly({400, 40});
    std::int64_t now = 0;
};

// Each mapped button and each side of the stick presses its key and lets it go; the other
// buttons, the stick's upper side and the other axes press nothing.
TEST_F(SdlGamepadTest, EachControlPressesAndReleasesItsKey) {
    VirtualPad pad;
    EXPECT_EQ(poll(), Keys{});
    ASSERT_TRUE(gamepad->attached());
    auto check = [&](const std::function<void(bool)>& set, int key) {
        set(true);
        EXPECT_EQ(poll(), (key ? Keys{{key, true}} : Keys{}));
        set(false);
        EXPECT_EQ(poll(), (key ? Keys{{key, false}} : Keys{}));
    };
    using B = SDL_GameControllerButton;
    for (auto [b, key] : {std::pair{SDL_CONTROLLER_BUTTON_DPAD_LEFT, vk::Left},
                          {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, vk::Right},
                          {SDL_CONTROLLER_BUTTON_DPAD_UP, vk::Up},
                          {SDL_CONTROLLER_BUTTON_A, vk::Up},
                          {SDL_CONTROLLER_BUTTON_DPAD_DOWN, vk::Down},
                          {SDL_CONTROLLER_BUTTON_B, vk::Space},
                          {SDL_CONTROLLER_BUTTON_X, vk::Space},
                          {SDL_CONTROLLER_BUTTON_START, vk::Escape},
                          {SDL_CONTROLLER_BUTTON_Y, 0},
                          {SDL_CONTROLLER_BUTTON_BACK, 0}}) {
        SCOPED_TRACE(b);
        check([&, b = B(b)](bool on) { pad.button(b, on); }, key);
    }
    for (auto [axis, value, key] : {std::tuple{SDL_CONTROLLER_AXIS_LEFTX, -32768, vk::Left},
                                    {SDL_CONTROLLER_AXIS_LEFTX, 32767, vk::Right},
                                    {SDL_CONTROLLER_AXIS_LEFTY, 32767, vk::Down},
                                    {SDL_CONTROLLER_AXIS_LEFTY, -32768, 0},
                                    {SDL_CONTROLLER_AXIS_RIGHTX, -32768, 0},
                                    {SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, 0}}) {
        SCOPED_TRACE(axis * 100000 + value);
        check([&, axis = axis, value = value](bool on) { pad.axis(axis, on ? value : 0); }, key);
    }
}

// Gamepads plugged in while the game runs are picked up at the next read and play together;
// one pulled out with a button held lets its key go.
TEST_F(SdlGamepadTest, GamepadsComeAndGoWhileTheGameRuns) {
    EXPECT_EQ(poll(), Keys{});
    EXPECT_FALSE(gamepad->attached());
    auto first = std::make_unique<VirtualPad>();
    first->button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    EXPECT_EQ(poll(), (Keys{{vk::Left, true}}));
    VirtualPad second;
    second.button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_EQ(poll(), (Keys{{vk::Escape, true}}));
    first.reset();
    EXPECT_EQ(poll(), (Keys{{vk::Left, false}}));
    second.unplug();
    EXPECT_EQ(poll(), (Keys{{vk::Escape, false}}));
    EXPECT_FALSE(gamepad->attached());
}

}  // namespace
}  // namespace tumblix::testing
