#pragma once

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tumblix::test {

// Makes OpenAL mix in real time into a wave file in dir (float stereo, 44.1 kHz) instead of a
// sound card, and returns the file's path. Only before OpenAL's first call.
inline std::string useWaveBackend(const QTemporaryDir& dir) {
    std::string output = dir.filePath("out.wav").toStdString();
    std::string conf = dir.filePath("alsoft.conf").toStdString();
    std::ofstream(conf)
        << "[general]\nchannels = stereo\nfrequency = 44100\nsample-type = float32\n"
           "period_size = 256\n[wave]\nfile = "
        << output << "\n";
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    return output;
}

}  // namespace tumblix::test
