#include "sound/rendered_audio.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tumblix::test {

double Rendered::energyDb(const std::vector<float>& side, std::size_t from) const {
    double e = 1e-30;
    for (std::size_t i = from; i < side.size(); ++i) e += double(side[i]) * side[i];
    return 10 * std::log10(e);
}

double Rendered::tone(double hz, std::size_t from, std::size_t to) const {
    double w = 2 * M_PI * hz / 44100, c = 2 * std::cos(w), s1 = 0, s2 = 0;
    for (std::size_t i = from; i < to && i < left.size(); ++i) {
        double s = left[i] + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return std::sqrt(s1 * s1 + s2 * s2 - c * s1 * s2) / double(to - from);
}

double Rendered::pitch() const {
    std::size_t first = 0, last = 0, crossings = 0;
    for (std::size_t i = 1; i < left.size(); ++i)
        if (left[i - 1] < 0 && left[i] >= 0) {
            if (!crossings++) first = i;
            last = i;
        }
    return crossings < 2 ? 0 : 44100.0 * double(crossings - 1) / double(last - first);
}

Rendered readRendered() {
    std::ifstream in(renderedFile(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Rendered r;
    std::size_t data = bytes.find("data");
    if (data == std::string::npos) return r;
    for (std::size_t at = data + 8; at + 8 <= bytes.size(); at += 8) {
        float frame[2];
        std::memcpy(frame, bytes.data() + at, sizeof frame);
        r.left.push_back(frame[0]);
        r.right.push_back(frame[1]);
    }
    return r;
}

}  // namespace tumblix::test
