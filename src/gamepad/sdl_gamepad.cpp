// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepad/sdl_gamepad.h"

#include <algorithm>
#include <cstdlib>

#include "gamepad/sdl_calls.h"

namespace tumblix {

namespace {
struct ButtonSource {
    SDL_GameControllerButton sdl;
    PadButton pad;
};
constexpr ButtonSource kButtons[] = {{SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::DpadLeft},
                                     {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::DpadRight},
                                     {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::DpadUp},
                                     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::DpadDown},
                                     {SDL_CONTROLLER_BUTTON_A, PadButton::A},
                                     {SDL_CONTROLLER_BUTTON_B, PadButton::B},
                                     {SDL_CONTROLLER_BUTTON_X, PadButton::X},
                                     {SDL_CONTROLLER_BUTTON_START, PadButton::Start}};

// Of two pads' sticks, the one pushed further.
int further(int a, int b) {
    return std::abs(b) > std::abs(a) ? b : a;
}
}  // namespace

std::unique_ptr<SdlGamepad> SdlGamepad::open(KeyRepeat repeat) {
    const SdlCalls* sdl = sdlCalls();
    if (!sdl) return nullptr;
    // The game's own signal handling stays; the gamepads are read while the window is not
    // the active one too.
    sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl->SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return nullptr;
    if (std::getenv("TUMBLIX_VIRTUAL_GAMEPAD"))
        sdl->SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                       SDL_CONTROLLER_BUTTON_MAX, 0);
    return std::unique_ptr<SdlGamepad>(new SdlGamepad(*sdl, repeat));
}

SdlGamepad::~SdlGamepad() {
    for (SDL_GameController* pad : pads_) sdl_.SDL_GameControllerClose(pad);
    sdl_.SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepad::poll(std::int64_t nowMs, const KeySink& sink) {
    SDL_Event event;
    while (sdl_.SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) {
            if (SDL_GameController* pad = sdl_.SDL_GameControllerOpen(event.cdevice.which))
                pads_.push_back(pad);
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
            std::erase_if(pads_, [&](SDL_GameController* pad) {
                bool gone = sdl_.SDL_JoystickInstanceID(sdl_.SDL_GameControllerGetJoystick(pad)) ==
                            event.cdevice.which;
                if (gone) sdl_.SDL_GameControllerClose(pad);
                return gone;
            });
        }
    }
    keys_.update(read(), nowMs, sink);
}

PadState SdlGamepad::read() const {
    PadState state;
    for (SDL_GameController* pad : pads_) {
        for (const ButtonSource& b : kButtons)
            state[b.pad] = state[b.pad] || sdl_.SDL_GameControllerGetButton(pad, b.sdl);
        state.stickX =
            further(state.stickX, sdl_.SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        state.stickY =
            further(state.stickY, sdl_.SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    }
    return state;
}

}  // namespace tumblix
