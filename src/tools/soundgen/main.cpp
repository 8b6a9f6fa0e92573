// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's own sound files into FOLDER: ten event sounds and the background music,
// 16-bit PCM at 44.1 kHz, each made as loud as the game plays it by default:
//   tumblix_soundgen FOLDER MUSIC_VOLUME MUSIC_FREQUENCY {NAME VOLUME FREQUENCY}...
// with the settings' default volume (hundredths of a decibel) and frequency of the music and
// of each of the ten event sounds.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "effects.h"
#include "loudness.h"
#include "music.h"

using namespace soundgen;

namespace {

// Every event sound is heard at this level over its loudest 50 ms, the music a little lower.
constexpr double kEventLevel = -22.0;
constexpr double kMusicBelowEvents = 4.0;
constexpr double kMaxPeak = 0.98;

// The recipes of the event sounds, by file name.
const std::map<std::string, Track (*)()> kEvents{
    {"left1.WAV", [] { return tick(2200, 11); }},
    {"right1.WAV", [] { return tick(2500, 12); }},
    {"rotate1.WAV", blip},
    {"drop1.WAV", [] { return whoosh(6000, 400, 0.3, 21); }},
    {"drop2.WAV", [] { return whoosh(300, 4000, 0.26, 22); }},
    {"down1.WAV", [] { return thud(95, 31); }},
    {"down2.WAV", [] { return thud(75, 32); }},
    {"dellin1.WAV", chord},
    {"tumblix1.WAV", sparkle},
    {"inverse1.WAV", warble},
};

// Scales the track so that, played at volume (hundredths of a decibel) and frequency, its
// louder side reaches level over its loudest 50 ms; false when it would clip.
bool aim(Track& track, int channels, long volume, long frequency, double level) {
    double loudest = -300;
    for (int side = 0; side < channels; ++side) {
        Track one = channels == 1 ? track : channel(track, side);
        loudest = std::max(loudest, loudestLevel(one, double(frequency)));
    }
    double gain = std::pow(10.0, (level - double(volume) / 100 - loudest) / 20);
    float peak = 0;
    for (float& s : track) peak = std::max(peak, std::fabs(s *= static_cast<float>(gain)));
    return peak <= kMaxPeak;
}

bool write(const std::string& folder, const std::string& name, Track track, int channels,
           const char* volume, const char* frequency, double level) {
    bool fits = aim(track, channels, std::atol(volume), std::atol(frequency), level);
    if (!fits) std::fprintf(stderr, "%s would clip at its level\n", name.c_str());
    return writeWav((folder + "/" + name).c_str(), track, channels) && fits;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 + 3 * int(kEvents.size())) {
        std::fprintf(stderr,
                     "usage: %s FOLDER MUSIC_VOLUME MUSIC_FREQUENCY {NAME VOLUME FREQUENCY}...\n",
                     argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    bool ok = write(folder, "BkgMusic.wav", backgroundMusic(), 2, argv[2], argv[3],
                    kEventLevel - kMusicBelowEvents);
    for (int i = 4; i + 2 < argc; i += 3) {
        auto recipe = kEvents.find(argv[i]);
        if (recipe == kEvents.end()) {
            std::fprintf(stderr, "no sound is made for %s\n", argv[i]);
            return 2;
        }
        ok = write(folder, argv[i], recipe->second(), 1, argv[i + 1], argv[i + 2], kEventLevel) &&
             ok;
    }
    if (!ok) std::fprintf(stderr, "cannot write the sound files into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
