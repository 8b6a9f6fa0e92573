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
    struct Row {
        const char* bitmap;
        bool gamepad;
    };
    const Row rows[] = {
        {"7cdb000000000000 0 0 0 0", true},  // south, east, north, west, start, ...
        {"100000000 0 0 0 0", true},         // a joystick's trigger, 0x120
        {"80000000 0 0 0 0", false},         // 0x11f
        {"1 0 0 0 0 0", false},              // a pen, 0x140
    };
    for (const Row& row : rows) {
        test::TempFolder sys;
        for (auto [device, bitmap] :
             {std::pair{"input1", "1f0000 0 0 0 0"}, {"input7", row.bitmap}}) {
            std::filesystem::create_directories(sys.path / device / "capabilities");
            std::ofstream(sys.path / device / "capabilities" / "key") << bitmap << "\n";
        }
        EXPECT_EQ(gamepadPresent(sys.path), row.gamepad) << row.bitmap;
    }
    EXPECT_FALSE(gamepadPresent("/no/such/folder"));
}

// The watch calls back when a device node comes.
TEST(InputDevicesTest, TheWatchSeesADeviceCome) {
    test::TempFolder dev;
    int changes = 0;
    InputDeviceWatch watch([&] { ++changes; }, dev.path.c_str());
    std::ofstream(dev / "event5");
    QTRY_VERIFY_WITH_TIMEOUT(changes > 0, 5000);
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
