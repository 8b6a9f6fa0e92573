// The rendered-audio tests: OpenAL mixes into a wave file in real time instead of a sound card.
// The backend is chosen when OpenAL starts, so it is set up here before any test runs.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "sound/rendered_audio.h"

namespace {
std::string file;
}

const std::string& tumblix::test::renderedFile() {
    return file;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    file = dir.filePath("out.wav").toStdString();
    std::string conf = dir.filePath("alsoft.conf").toStdString();
    std::ofstream(conf) << "[general]\nchannels = stereo\nfrequency = 44100\n"
                           "sample-type = float32\nperiod_size = 256\n[wave]\nfile = "
                        << file << "\n";
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    return RUN_ALL_TESTS();
}
