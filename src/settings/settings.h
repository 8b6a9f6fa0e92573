// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tumblix {

// A path line holding exactly this text stands for the default file.
inline constexpr const char* kDefaultPath = "...";

// A window's left and top edges, in twips.
struct Point {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const Point&) const = default;
};

// One event sound as its object holds it.
struct SoundSettings {
    std::string DMCtrlPath = kDefaultPath;
    bool DMCtrlEnabled = true;
    std::int16_t DMCtrlVolume = 0;  // hundredths of a decibel, 0 = full
    std::int32_t DMCtrlFreq = 0;    // Hz
    bool operator==(const SoundSettings&) const = default;
};

// The event sounds in the order the settings file keeps them.
enum class SoundId {
    mLeft1,
    mRight1,
    mRotate1,
    mDrop1,
    mDrop2,
    mDown1,
    mDown2,
    mDelLin1,
    mTumblix1,
    mInverse1
};
inline constexpr std::size_t kSoundCount = 10;

struct SoundDefault {
    const char* file;  // in the program's "sound" folder
    std::int16_t volume;
    std::int32_t freq;
};
// The build reads these lines, and the music's volume and frequency below, to make each sound
// file as loud as it is played by default: keep one sound a line.
inline constexpr std::array<SoundDefault, kSoundCount> kSoundDefaults = {{
    {"left1.WAV", -1322, 57299},
    {"right1.WAV", -747, 71379},
    {"rotate1.WAV", -776, 60920},
    {"drop1.WAV", -920, 58103},
    {"drop2.WAV", -1034, 56092},
    {"down1.WAV", -647, 37184},
    {"down2.WAV", -474, 33563},
    {"dellin1.WAV", -589, 58506},
    {"tumblix1.WAV", -546, 49655},
    {"inverse1.WAV", -474, 60115},
}};

std::array<SoundSettings, kSoundCount> defaultSounds();

// Everything the settings file holds, in the file's order. The defaults are the values of the
// default file, "..." paths included. A side window without a place is closed.
struct Settings {
    Point mainWindow{555, 405};
    std::optional<Point> frmTumbliFathers = Point{7310, 6505};
    std::optional<Point> frmStatistic = Point{7310, 1905};
    std::optional<Point> frmFuture = Point{7310, 405};
    std::optional<Point> frmMP3 = Point{7310, 5205};
    bool EnableSoundControl = true;
    std::string PathToBkgMusic = kDefaultPath;
    bool EnableLoop = true;
    std::int16_t BkgVolume = -707;  // the sound system's remembered music volume
    std::int32_t freq = 46717;
    std::array<SoundSettings, kSoundCount> sounds = defaultSounds();
    std::string MP3Path = kDefaultPath;
    bool MP3Enable = true;
    bool MP3Loop = true;
    std::int16_t SpeedChange = 0;
    std::uint8_t iFantom = 1;
    bool bDrawSetka = true;

    SoundSettings& sound(SoundId id) { return sounds[static_cast<std::size_t>(id)]; }
    const SoundSettings& sound(SoundId id) const { return sounds[static_cast<std::size_t>(id)]; }
    bool operator==(const Settings&) const = default;
};

// The full path a "..." line stands for, below the program's folder.
std::string defaultMusicPath(const std::string& programFolder);
std::string defaultSoundPath(const std::string& programFolder, SoundId id);

// The default values as they are in force: the default file's values with its "..." sound and
// music paths made full.
Settings defaultSettings(const std::string& programFolder);

// When the sound system cannot start, the music path is kept as "..." and written so at exit.
void forgetMusicPathAfterSoundFailure(Settings& settings);

}  // namespace tumblix
