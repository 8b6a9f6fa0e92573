#pragma once

#include <string>
#include <vector>

namespace tumblix::test {

// What OpenAL's wave-file backend wrote: float stereo at 44.1 kHz, read after the device closed.
struct Rendered {
    std::vector<float> left, right;

    // Energy of one side from frame `from` on, in decibels.
    double energyDb(const std::vector<float>& side, std::size_t from = 0) const;
    // Strength of a tone of hz on the left side over frames [from, to), by the Goertzel filter.
    double tone(double hz, std::size_t from, std::size_t to) const;
    // Frequency of the left side by counting rising zero crossings over the sounding frames.
    double pitch() const;
};

// The file the backend writes, as set up by the test program's main.
const std::string& renderedFile();
Rendered readRendered();

}  // namespace tumblix::test
