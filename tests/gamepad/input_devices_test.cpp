// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepad/input_devices.h"

#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "support/temp_folder.h"

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

}  // namespace
}  // namespace tumblix::testing
