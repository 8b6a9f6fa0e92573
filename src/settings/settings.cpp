// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <filesystem>

namespace tumblix {

std::array<SoundSettings, kSoundCount> defaultSounds() {
    std::array<SoundSettings, kSoundCount> sounds;
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        sounds[i].DMCtrlVolume = kSoundDefaults[i].volume;
        sounds[i].DMCtrlFreq = kSoundDefaults[i].freq;
    }
    return sounds;
}

// The music lies in "Sound", capital S; the event sounds in "sound".
std::string defaultMusicPath(const std::string& programFolder) {
    return (std::filesystem::path(programFolder) / "Sound" / "BkgMusic.wav").string();
}

std::string defaultSoundPath(const std::string& programFolder, SoundId id) {
    const char* file = kSoundDefaults[static_cast<std::size_t>(id)].file;
    return (std::filesystem::path(programFolder) / "sound" / file).string();
}

Settings defaultSettings(const std::string& programFolder) {
    Settings s;
    s.PathToBkgMusic = defaultMusicPath(programFolder);
    for (std::size_t i = 0; i < kSoundCount; ++i)
        s.sounds[i].DMCtrlPath = defaultSoundPath(programFolder, static_cast<SoundId>(i));
    return s;
}

void forgetMusicPathAfterSoundFailure(Settings& settings) {
    settings.PathToBkgMusic = kDefaultPath;
}

}  // namespace tumblix
