// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <algorithm>

#include "gamepad/input_devices.h"
#include "gamepad/sdl_gamepad.h"
#include "ui/main_window.h"

namespace tumblix {

void MainWindow::setGamepad(std::unique_ptr<SdlGamepad> pad, GamepadOpener open) {
    gamepad_ = std::move(pad);
    openGamepad_ = std::move(open);
    if (openGamepad_ || gamepad_)
        deviceWatch_ = std::make_unique<InputDeviceWatch>([this] { inputDevicesChanged(); });
    pollGamepad();  // takes in the gamepads already plugged in
}

void MainWindow::inputDevicesChanged() {
    if (!gamepad_ && openGamepad_ && gamepadPresent()) gamepad_ = openGamepad_();
    devicesChangedAt_ = steadyClock_.micros() / 1000;
    pollGamepad();
}

void MainWindow::pollGamepad() {
    if (gamepad_ && !closing_ && !polling_ && !QApplication::activeModalWidget()) {
        polling_ = true;
        gamepad_->poll(steadyClock_.micros() / 1000, [this](int code, bool down) {
            catchUpGravity();
            down ? keyboard_->Form_KeyDown(code) : keyboard_->Form_KeyUp(code);
        });
        polling_ = false;
    }
    paceGamepad();
}

int MainWindow::gamepadWakeMs(int ms) const {
    if (!gamepad_ || !gamepad_->attached()) return ms;
    ms = std::min(ms, kPadReadMs);
    std::int64_t repeat = gamepad_->untilRepeat(steadyClock_.micros() / 1000);
    if (repeat >= 0) ms = std::clamp<int>(static_cast<int>(repeat), 1, ms);
    return ms;
}

void MainWindow::paceGamepad() {
    bool settling = steadyClock_.micros() / 1000 - devicesChangedAt_ < kDeviceSettleMs;
    bool idle = gamepad_ && (gamepad_->attached() || settling) && !closing_ &&
                !timer(Timer::tmrDown).isActive();
    if (idle && !padIdle_->isActive()) padIdle_->start(kPadIdleMs);
    if (!idle && padIdle_->isActive()) padIdle_->stop();
}

}  // namespace tumblix
