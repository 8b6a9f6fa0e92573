// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL2/SDL.h>

#include <cstdlib>
#include <memory>

#include "gamepad/sdl_gamepad.h"

namespace tumblix::testing {

// The game's gamepad reader, with SDL kept from the machine's own devices: only virtual
// gamepads are seen.
inline std::unique_ptr<SdlGamepad> openVirtualOnly(KeyRepeat repeat) {
    setenv("SDL_JOYSTICK_HIDAPI", "0", 1);
    setenv("SDL_JOYSTICK_DISABLE_UDEV", "1", 1);
    return SdlGamepad::open(repeat);
}

// SDL's virtual gamepad, plugged in while it lives (open the reader first).
class VirtualPad {
  public:
    VirtualPad() {
        int index =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        joystick_ = SDL_JoystickOpen(index);
    }
    ~VirtualPad() { unplug(); }

    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0);
    }
    void axis(SDL_GameControllerAxis a, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, a, static_cast<Sint16>(value));
    }
    void unplug() {
        if (!joystick_) return;
        SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }

  private:
    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace tumblix::testing
