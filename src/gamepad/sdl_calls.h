// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL2/SDL.h>

namespace tumblix {

// The SDL functions the gamepad reads with. The game loads SDL only once a gamepad is plugged
// in, so without one SDL and the libraries it brings along cost nothing.
#define TUMBLIX_SDL_CALLS(X)         \
    X(SDL_SetHint)                   \
    X(SDL_InitSubSystem)             \
    X(SDL_QuitSubSystem)             \
    X(SDL_PollEvent)                 \
    X(SDL_GameControllerOpen)        \
    X(SDL_GameControllerClose)       \
    X(SDL_GameControllerGetJoystick) \
    X(SDL_GameControllerGetButton)   \
    X(SDL_GameControllerGetAxis)     \
    X(SDL_JoystickInstanceID)        \
    X(SDL_JoystickAttachVirtual)

struct SdlCalls {
#define TUMBLIX_SDL_POINTER(name) decltype(&::name) name = nullptr;
    TUMBLIX_SDL_CALLS(TUMBLIX_SDL_POINTER)
#undef TUMBLIX_SDL_POINTER
};

// SDL's functions, loaded on the first call; null when the machine has no SDL 2 (or one too old
// for all of them).
const SdlCalls* sdlCalls();

}  // namespace tumblix
