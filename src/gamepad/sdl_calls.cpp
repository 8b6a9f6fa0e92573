// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepad/sdl_calls.h"

#include <dlfcn.h>

namespace tumblix {

namespace {
SdlCalls* load() {
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    static SdlCalls calls;
    bool complete = true;
#define TUMBLIX_SDL_RESOLVE(name)                                               \
    calls.name = reinterpret_cast<decltype(calls.name)>(dlsym(library, #name)); \
    complete = complete && calls.name;
    TUMBLIX_SDL_CALLS(TUMBLIX_SDL_RESOLVE)
#undef TUMBLIX_SDL_RESOLVE
    return complete ? &calls : nullptr;
}
}  // namespace

const SdlCalls* sdlCalls() {
    static const SdlCalls* calls = load();
    return calls;
}

}  // namespace tumblix
