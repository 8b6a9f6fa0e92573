// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

class QSocketNotifier;

namespace tumblix {

// Whether one of the machine's input devices is a joystick or gamepad, as the kernel describes
// them (a key in the joystick or gamepad button range). Cheap: SDL is loaded only when it is.
bool gamepadPresent(const std::filesystem::path& sysInput = "/sys/class/input");

// Calls back when input devices come, go or change their permissions (a gamepad plugged in).
// It wakes the program only then; on a machine without the folder it does nothing.
class InputDeviceWatch : public QObject {
  public:
    explicit InputDeviceWatch(std::function<void()> changed, const char* folder = "/dev/input");
    ~InputDeviceWatch() override;

  private:
    std::function<void()> changed_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tumblix
