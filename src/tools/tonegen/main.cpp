// tumblix_tone PATH: writes 20 s of a 440 Hz tone as an MP3.
#include "tone_file.h"

int main(int argc, char** argv) {
    return argc == 2 && tonegen::writeTone(argv[1], "libmp3lame", 440, 20) ? 0 : 1;
}
