#include <gtest/gtest.h>

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
// buttons and the stick's upper side press nothing.
TEST_F(SdlGamepadTest, EachControlPressesAndReleasesItsKey) {
    VirtualPad pad;
    EXPECT_EQ(poll(), Keys{});
    ASSERT_TRUE(gamepad->attached());
    struct Row {
        int button;  // or -1 for the stick
        SDL_GameControllerAxis axis;
        int value;
        int key;  // 0: none
    };
    const Row rows[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, {}, 0, vk::Left},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {}, 0, vk::Right},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, {}, 0, vk::Up},
        {SDL_CONTROLLER_BUTTON_A, {}, 0, vk::Up},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, {}, 0, vk::Down},
        {SDL_CONTROLLER_BUTTON_B, {}, 0, vk::Space},
        {SDL_CONTROLLER_BUTTON_X, {}, 0, vk::Space},
        {SDL_CONTROLLER_BUTTON_START, {}, 0, vk::Escape},
        {SDL_CONTROLLER_BUTTON_Y, {}, 0, 0},
        {SDL_CONTROLLER_BUTTON_BACK, {}, 0, 0},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, {}, 0, 0},
        {-1, SDL_CONTROLLER_AXIS_LEFTX, -32768, vk::Left},
        {-1, SDL_CONTROLLER_AXIS_LEFTX, 32767, vk::Right},
        {-1, SDL_CONTROLLER_AXIS_LEFTY, 32767, vk::Down},
        {-1, SDL_CONTROLLER_AXIS_LEFTY, -32768, 0},
        {-1, SDL_CONTROLLER_AXIS_RIGHTX, -32768, 0},
        {-1, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button >= 0 ? r.button : 100 + r.axis);
        auto set = [&](bool on) {
            if (r.button >= 0)
                pad.button(static_cast<SDL_GameControllerButton>(r.button), on);
            else
                pad.axis(r.axis, on ? r.value : 0);
        };
        set(true);
        EXPECT_EQ(poll(), (r.key ? Keys{{r.key, true}} : Keys{}));
        set(false);
        EXPECT_EQ(poll(), (r.key ? Keys{{r.key, false}} : Keys{}));
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
