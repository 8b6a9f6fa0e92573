// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>

#include "app/key_repeat.h"
#include "control/keyboard.h"
#include "gamepad/input_devices.h"
#include "gamepad/pad_keys.h"
#include "gamepad/virtual_pad.h"
#include "support/temp_folder.h"

// Last: Xlib's macros clash with Qt's names.
#include <X11/XKBlib.h>

namespace tumblix::testing {
namespace {

// A gamepad or joystick has a button from 0x120 to 0x13f in the key bitmap the kernel writes
// (64-bit words, the highest first); mice and pens have none. A mouse always stands
// beside the device, and a machine without the folder has no gamepad. The watch calls back when
// a device node comes.
TEST(InputDevicesTest, AGamepadIsFoundByItsButtonsAndTheWatchSeesADeviceCome) {
    // South, east, north, west, start, ...; a joystick's trigger (0x120); 0x11f; a pen (0x140).
    for (auto [bitmap, gamepad] : {std::pair{"7cdb000000000000 0 0 0 0", true},
                                   {"100000000 0 0 0 0", true},
                                   {"80000000 0 0 0 0", false},
                                   {"1 0 0 0 0 0", false}}) {
        test::TempFolder sys;
        for (auto [device, bits] : {std::pair{"input1", "1f0000 0 0 0 0"}, {"input7", bitmap}}) {
            std::filesystem::create_directories(sys.path / device / "capabilities");
            std::ofstream(sys.path / device / "capabilities" / "key") << bits << "\n";
        }
        EXPECT_EQ(gamepadPresent(sys.path), gamepad) << bitmap;
    }
    EXPECT_FALSE(gamepadPresent("/no/such/folder"));
    test::TempFolder dev;
    int changes = 0;
    InputDeviceWatch watch([&] { ++changes; }, dev.path.c_str());
    std::ofstream(dev / "event5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes > 0; }, 5000));
}

// Where the game shows on X11, the X server's delay and interval (run on a virtual X server).
TEST(KeyRepeatTest, TheXServersDelayAndInterval) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display()) GTEST_SKIP() << "not on X11";
    XkbSetAutoRepeatRate(x11->display(), XkbUseCoreKbd, 400, 30);
    XSync(x11->display(), False);
    KeyRepeat repeat = desktopKeyRepeat();
    EXPECT_EQ(std::pair(repeat.delayMs, repeat.intervalMs), std::pair(400, 30));
}

// One read of the pad: its time, the buttons held (l r u d: the D-pad; A B X S: A, B, X and
// Start), the stick, and the keys it gives (L R U D: the arrows, _ Space, E Esc; + press,
// - release).
using Read = std::tuple<std::int64_t, std::string, int, int, const char*>;

void play(std::initializer_list<Read> reads) {
    PadKeys keys({300, 50});
    for (const auto& [t, buttons, x, y, want] : reads) {
        PadState s;
        for (char c : buttons) s.held[std::string_view("lrudABXS").find(c)] = true;
        s.stickX = x, s.stickY = y;
        std::string got;
        keys.update(s, t, [&](int code, bool down) {
            got += code == 32 ? '_' : code == 27 ? 'E' : "LURD"[code - 37];
            got += down ? '+' : '-';
        });
        EXPECT_EQ(got, want) << "at " << t;
    }
}

// A key held from two controls is pressed once and let go when both are; an arrow repeats
// after the delay at the interval, at most three repeats for a very late read; a release comes
// before a press; the arrow pressed last takes the repeat over, Space and Esc end it and never
// repeat.
TEST(PadKeysTest, ArrowsRepeatAtTheDesktopRateAndTheStickHasADeadZone) {
    play({{0, "l", -32768, 0, "L+"},       {299, "", -32768, 0, ""},
          {300, "", -32768, 0, "L+"},      {350, "", -32768, 0, "L+"},
          {1000, "", -32768, 0, "L+L+L+"}, {1050, "", -32768, 0, "L+"},
          {1050, "", 32767, 0, "L-R+"},    {1100, "A", 32767, 0, "U+"},
          {1399, "A", 32767, 0, ""},       {1400, "A", 32767, 0, "U+"},
          {1410, "AX", 32767, 0, "_+"},    {1800, "AX", 32767, 0, ""},
          {2000, "AXS", 32767, 0, "E+"},   {5000, "AXS", 32767, 0, ""},
          {5000, "", 0, 0, "R-U-_-E-"},    {5000, "ruBS", 0, 0, "R+U+_+E+"},
          {5400, "d", 0, 0, "R-U-_-E-D+"}, {5700, "d", 0, 0, "D+"},
          {5710, "", 0, 0, "D-"},          {6500, "", 0, 0, ""}});
    // The stick presses its arrow past a third of its travel and lets go under a quarter; the
    // axis pushed further chooses, and the stick pushed up presses nothing.
    play({{0, "", 10900, 0, ""},
          {0, "", 11000, 0, "R+"},
          {0, "", 8300, 0, ""},
          {0, "", 8100, 0, "R-"},
          {0, "", -11000, -30000, ""},
          {0, "", -20000, 15000, "L+"},
          {0, "", -9000, 30000, ""},
          {0, "", -8000, 30000, "L-D+"},
          {0, "", 5000, 8300, ""},
          {0, "", 5000, 8100, "D-"},
          {0, "", 12000, 12001, "D+"}});
}

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
