// Writes the game's own sound files into the folder given as the argument: ten event sounds
// and the background music, 16-bit PCM at 44.1 kHz.
#include <cstdio>
#include <string>

#include "effects.h"
#include "music.h"

using namespace soundgen;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    struct File {
        const char* name;
        Track track;
    };
    const File files[] = {
        {"left1.WAV", tick(2200, 11)},
        {"right1.WAV", tick(2500, 12)},
        {"rotate1.WAV", blip()},
        {"drop1.WAV", whoosh(6000, 400, 0.3, 21)},
        {"drop2.WAV", whoosh(300, 4000, 0.26, 22)},
        {"down1.WAV", thud(95, 31)},
        {"down2.WAV", thud(75, 32)},
        {"dellin1.WAV", chord()},
        {"tumblix1.WAV", sparkle()},
        {"inverse1.WAV", warble()},
    };
    bool ok = true;
    for (const File& f : files) ok = writeWav((folder + "/" + f.name).c_str(), f.track, 1) && ok;
    ok = writeWav((folder + "/BkgMusic.wav").c_str(), backgroundMusic(), 2) && ok;
    if (!ok) std::fprintf(stderr, "cannot write the sound files into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
