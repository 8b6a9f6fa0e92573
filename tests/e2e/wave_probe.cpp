// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a stretch of what OpenAL's wave-file backend wrote (float stereo, 44.1 kHz):
//   tumblix_wave_probe FILE FROM_S TO_S
// prints the level in dB and the peak of the 5 ms high-frequency energy in dB, a measure that
// sharp clicks raise far above music.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sound/wave_file.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    std::vector<float> left = tumblix::test::renderedSide(argv[1], 0),
                       right = tumblix::test::renderedSide(argv[1], 1);
    auto mono = [&](std::size_t i) { return 0.5 * (left[i] + right[i]); };
    auto from = static_cast<std::size_t>(std::atof(argv[2]) * 44100);
    auto to = std::min(left.size(), static_cast<std::size_t>(std::atof(argv[3]) * 44100));
    if (from + 220 >= to) return 1;
    double energy = 1e-30, peak = 1e-30;
    for (std::size_t start = from + 1; start + 220 <= to; start += 110) {
        double e = 0;
        for (std::size_t i = start; i < start + 220; ++i) e += std::pow(mono(i) - mono(i - 1), 2);
        peak = std::max(peak, e);
    }
    for (std::size_t i = from; i < to; ++i) energy += mono(i) * mono(i);
    std::printf("%.1f %.1f\n", 10 * std::log10(energy / double(to - from)), 10 * std::log10(peak));
    return 0;
}
