#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/host.h"

namespace tumblix {

// The sound settings of the main window, holding their defaults until a settings file says
// otherwise.
struct SoundSettings {
    bool EnableSoundControl = true;  // event sounds on
    bool EnableLoop = true;          // background music on
    std::string PathToBkgMusic;      // "..." when the music failed to load
    std::int16_t VolumeBkgMusic = -707;
    std::int32_t freq = 46717;     // the music's playback frequency
    std::int16_t SpeedChange = 0;  // balance step per gravity tick, 0..500
    std::int16_t ForLoop = 0;      // the music's current balance
};

// An event sound's default file (in the folder "sound"), volume and frequency.
struct SoundDefault {
    Sound sound;
    const char* file;
    std::int16_t volume;
    std::int32_t frequency;
};

// In the order the settings file lists the sounds.
extern const std::array<SoundDefault, 10> kSoundDefaults;

// The default files below the program's folder.
std::string defaultMusicPath(const std::string& folder);
std::string defaultSoundPath(const std::string& folder, const SoundDefault& sound);

}  // namespace tumblix
