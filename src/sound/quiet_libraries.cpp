// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/quiet_libraries.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>
#include <string_view>

namespace {
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// OpenAL Soft opens ALSA itself at run time, so the game does not link it: the handler is set
// in the same library, if the machine has it, which stays loaded for OpenAL to find.
void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (set) set(&ignoreAlsaMessage);
}
}  // namespace

namespace tumblix {

void quietSoundLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        const char* debug = std::getenv("TUMBLIX_SOUND_DEBUG");
        if (debug && *debug && std::string_view(debug) != "0") return;
        setenv("ALSOFT_LOGLEVEL", "0", 0);  // read at OpenAL's first call; the user's value stays
        quietAlsa();
    });
}

}  // namespace tumblix
