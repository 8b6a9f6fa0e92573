// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contrast.h"

#include <algorithm>
#include <cmath>

namespace tumblix {

namespace {
double linear(int channel) {
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double relativeLuminance(Color c) {
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

double contrastRatio(Color a, Color b) {
    double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color readableTextOn(Color back, Color text) {
    if (contrastRatio(back, text) >= 4.5) return text;
    return contrastRatio(back, colors::white) > contrastRatio(back, colors::black) ? colors::white
                                                                                   : colors::black;
}

}  // namespace tumblix
