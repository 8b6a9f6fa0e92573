// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "engine/host.h"

namespace tumblix {

// The sound settings of the main window, holding their defaults until a settings file says
// otherwise.
struct SoundState {
    bool EnableSoundControl = true;  // event sounds on
    bool EnableLoop = true;          // background music on
    std::string PathToBkgMusic;      // "..." when the music failed to load
    std::int16_t VolumeBkgMusic = -707;
    std::int32_t freq = 46717;     // the music's playback frequency
    std::int16_t SpeedChange = 0;  // balance step per gravity tick, 0..500
    std::int16_t ForLoop = 0;      // the music's current balance
};

}  // namespace tumblix
