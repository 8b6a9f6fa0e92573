// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gamepad/pad_keys.h"

struct _SDL_GameController;

namespace tumblix {

struct SdlCalls;

// The gamepads SDL finds, read when asked: those plugged in are picked up and those pulled out
// dropped without a word, and what all of them hold together plays as the keyboard's keys.
class SdlGamepad {
  public:
    // Loads SDL and starts its game controller part; null, and nothing changed, when either
    // fails. With TUMBLIX_VIRTUAL_GAMEPAD set, SDL's virtual gamepad is plugged in (to measure
    // what a connected gamepad costs the machine).
    static std::unique_ptr<SdlGamepad> open(KeyRepeat repeat);
    ~SdlGamepad();
    SdlGamepad(const SdlGamepad&) = delete;
    SdlGamepad& operator=(const SdlGamepad&) = delete;

    // Takes in the gamepads that came and drops those that went, then turns what the open
    // ones hold into presses, releases and repeats.
    void poll(std::int64_t nowMs, const KeySink& sink);
    bool attached() const { return !pads_.empty(); }
    std::int64_t untilRepeat(std::int64_t nowMs) const { return keys_.untilRepeat(nowMs); }

  private:
    SdlGamepad(const SdlCalls& sdl, KeyRepeat repeat) : sdl_(sdl), keys_(repeat) {}
    PadState read() const;

    const SdlCalls& sdl_;
    PadKeys keys_;
    std::vector<_SDL_GameController*> pads_;
};

}  // namespace tumblix
