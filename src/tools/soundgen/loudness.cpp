// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace soundgen {

double loudestLevel(const Track& mono, double playRate) {
    auto window = std::max<std::size_t>(1, static_cast<std::size_t>(0.05 * playRate + 0.5));
    double sum = 0, loudest = 0;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        sum += double(mono[i]) * mono[i];
        if (i >= window) sum -= double(mono[i - window]) * mono[i - window];
        loudest = std::max(loudest, sum);
    }
    return 10 * std::log10(std::max(loudest / double(window), 1e-30));
}

namespace {

// In-place radix-2 transform; the size is a power of two.
void fft(std::vector<std::complex<double>>& a) {
    std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        std::complex<double> step = std::polar(1.0, -2 * kPi / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
                std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

}  // namespace

double shareAbove(const Track& mono, double hz, double playRate) {
    std::size_t n = 1;
    while (n < mono.size()) n <<= 1;
    std::vector<std::complex<double>> spectrum(n);
    std::copy(mono.begin(), mono.end(), spectrum.begin());
    fft(spectrum);
    double above = 0, total = 1e-30;
    for (std::size_t k = 0; k <= n / 2; ++k) {
        double e = std::norm(spectrum[k]);
        total += e;
        if (double(k) * playRate / double(n) >= hz) above += e;
    }
    return above / total;
}

Track channel(const Track& stereo, int side) {
    Track out(stereo.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = stereo[2 * i + std::size_t(side)];
    return out;
}

}  // namespace soundgen
