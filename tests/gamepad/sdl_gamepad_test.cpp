// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "control/keyboard.h"
#include "gamepad/virtual_pad.h"

namespace tumblix::testing {
namespace {

using Keys = std::vector<std::pair<int, bool>>;

// A gamepad plugged in while the game runs is picked up at the next read. Each mapped button and
// each side of the stick presses its key and lets it go; the other buttons, the stick's upper
// side and the other axes press nothing. A second pad plays together with the first, and one
// pulled out with a button held lets its key go.
TEST(SdlGamepadTest, EachControlPressesAndReleasesItsKeyAndPadsComeAndGo) {
    std::unique_ptr<SdlGamepad> gamepad = openVirtualOnly({400, 40});
    ASSERT_TRUE(gamepad) << "SDL did not start";
    auto poll = [&] {
        Keys keys;
        gamepad->poll(0, [&](int code, bool down) { keys.emplace_back(code, down); });
        return keys;
    };
    EXPECT_EQ((std::pair{poll(), gamepad->attached()}), std::pair(Keys{}, false));
    auto pad = std::make_unique<VirtualPad>();
    // A button, or with a value an axis pushed that far.
    const std::tuple<int, int, int> cases[] = {{SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, vk::Left},
                                               {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, vk::Right},
                                               {SDL_CONTROLLER_BUTTON_DPAD_UP, 0, vk::Up},
                                               {SDL_CONTROLLER_BUTTON_A, 0, vk::Up},
                                               {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, vk::Down},
                                               {SDL_CONTROLLER_BUTTON_B, 0, vk::Space},
                                               {SDL_CONTROLLER_BUTTON_X, 0, vk::Space},
                                               {SDL_CONTROLLER_BUTTON_START, 0, vk::Escape},
                                               {SDL_CONTROLLER_BUTTON_Y, 0, 0},
                                               {SDL_CONTROLLER_BUTTON_BACK, 0, 0},
                                               {SDL_CONTROLLER_AXIS_LEFTX, -32768, vk::Left},
                                               {SDL_CONTROLLER_AXIS_LEFTX, 32767, vk::Right},
                                               {SDL_CONTROLLER_AXIS_LEFTY, 32767, vk::Down},
                                               {SDL_CONTROLLER_AXIS_RIGHTX, -32768, 0}};
    for (auto [control, value, key] : cases)
        for (bool on : {true, false}) {
            if (value)
                pad->axis(SDL_GameControllerAxis(control), on ? value : 0);
            else
                pad->button(SDL_GameControllerButton(control), on);
            EXPECT_EQ(poll(), (key ? Keys{{key, on}} : Keys{})) << control << " " << value;
        }
    EXPECT_TRUE(gamepad->attached());
    pad->axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);  // a second pad at rest leaves it held
    EXPECT_EQ(poll(), (Keys{{vk::Left, true}}));
    VirtualPad second;
    second.button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_EQ(poll(), (Keys{{vk::Escape, true}}));
    pad.reset();
    EXPECT_EQ(poll(), (Keys{{vk::Left, false}}));
    second.unplug();
    EXPECT_EQ((std::pair{poll(), gamepad->attached()}),
              std::pair(Keys{{vk::Escape, false}}, false));
}

}  // namespace
}  // namespace tumblix::testing
