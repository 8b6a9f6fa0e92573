// SPDX-License-Identifier: GPL-3.0-or-later
// tumblix_tone PATH [SECONDS RATE CHANNELS]: writes a 440 Hz tone as an MP3, by default 20 s
// of 44.1 kHz mono.
#include <cstdlib>

#include "tone_file.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 5) return 2;
    double seconds = argc == 5 ? std::atof(argv[2]) : 20;
    int rate = argc == 5 ? std::atoi(argv[3]) : 44100;
    int channels = argc == 5 ? std::atoi(argv[4]) : 1;
    return tonegen::writeTone(argv[1], "libmp3lame", 440, seconds, rate, channels) ? 0 : 1;
}
