// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepad/input_devices.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <fstream>

#include "app/key_repeat.h"
#include "support/temp_folder.h"

// Last: Xlib's macros clash with Qt's names.
#include <X11/XKBlib.h>

namespace tumblix::testing {
namespace {

// A gamepad or joystick has a button from 0x120 to 0x13f in the key bitmap the kernel writes
// (64-bit words, the highest first); mice and pens have none. A mouse always stands
// beside the device, and a machine without the folder has no gamepad.
TEST(InputDevicesTest, AGamepadIsFoundByItsButtons) {
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
}

// The watch calls back when a device node comes.
TEST(InputDevicesTest, TheWatchSeesADeviceCome) {
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

}  // namespace
}  // namespace tumblix::testing
