// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/adpcm.h"

#include <algorithm>
#include <array>
#include <climits>

namespace tumblix {

namespace {

constexpr std::array<int, 89> kImaSteps = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr std::array<int, 8> kImaIndexChange = {-1, -1, -1, -1, 2, 4, 6, 8};

// Microsoft ADPCM: the predictor pairs a block may choose (in 64ths) and the step's adaptation.
constexpr std::array<int, 7> kMsCoeff1 = {64, 128, 0, 48, 60, 115, 98};
constexpr std::array<int, 7> kMsCoeff2 = {0, -64, 0, 16, 0, -52, -58};
constexpr std::array<int, 16> kMsAdapt = {230, 230, 230, 230, 307, 409, 512, 614,
                                          768, 614, 512, 409, 307, 230, 230, 230};

std::int16_t clip16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

int le16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(p[0] | p[1] << 8);
}

struct ImaChannel {
    int predictor = 0;
    int index = 0;
    std::int16_t expand(int nibble) {
        int step = kImaSteps[static_cast<std::size_t>(index)];
        int diff = ((2 * (nibble & 7) + 1) * step) >> 3;
        predictor = clip16(nibble & 8 ? predictor - diff : predictor + diff);
        index = std::clamp(index + kImaIndexChange[static_cast<std::size_t>(nibble & 7)], 0, 88);
        return static_cast<std::int16_t>(predictor);
    }
};

struct MsChannel {
    int coeff1 = 0, coeff2 = 0, delta = 0, sample1 = 0, sample2 = 0;
    std::int16_t expand(int nibble) {
        int predicted = (sample1 * coeff1 + sample2 * coeff2) / 64;
        predicted += (nibble & 8 ? nibble - 16 : nibble) * delta;
        sample2 = sample1;
        sample1 = clip16(predicted);
        delta = std::clamp((kMsAdapt[static_cast<std::size_t>(nibble)] * delta) >> 8, 16,
                           INT_MAX / 768);
        return static_cast<std::int16_t>(sample1);
    }
};

void put(std::vector<std::int16_t>& out, std::int16_t left, std::int16_t right) {
    out.push_back(left);
    out.push_back(right);
}

}  // namespace

// A header per channel (first sample, step index, a zero byte), then by turns four bytes of
// each channel, eight samples low nibble first.
bool decodeImaBlock(const std::uint8_t* block, std::size_t size, int channels,
                    std::vector<std::int16_t>& out) {
    const auto n = static_cast<std::size_t>(channels);
    if (size < 4 * n) return false;
    std::array<ImaChannel, 2> ch{};
    for (std::size_t c = 0; c < n; ++c) {
        ch[c].predictor = le16(block + 4 * c);
        ch[c].index = le16(block + 4 * c + 2);
        if (ch[c].index < 0 || ch[c].index > 88) return false;
    }
    const std::size_t groups = (size - 4 * n) / (4 * n);
    std::array<std::vector<std::int16_t>, 2> pcm;
    for (std::size_t c = 0; c < n; ++c)
        pcm[c].push_back(static_cast<std::int16_t>(ch[c].predictor));
    for (std::size_t g = 0; g < groups; ++g)
        for (std::size_t c = 0; c < n; ++c)
            for (std::size_t k = 0; k < 4; ++k) {
                int byte = block[4 * n + (g * n + c) * 4 + k];
                pcm[c].push_back(ch[c].expand(byte & 15));
                pcm[c].push_back(ch[c].expand(byte >> 4));
            }
    const std::vector<std::int16_t>& right = pcm[n - 1];
    for (std::size_t i = 0; i < pcm[0].size(); ++i) put(out, pcm[0][i], right[i]);
    return true;
}

// The predictor pair's number, the step, the second and the first sample, each for every
// channel; then a byte a frame (stereo: left in the high nibble) or two mono samples, high
// nibble first.
bool decodeMsBlock(const std::uint8_t* block, std::size_t size, int channels,
                   std::vector<std::int16_t>& out) {
    const auto n = static_cast<std::size_t>(channels);
    if (size < 7 * n) return false;
    std::array<MsChannel, 2> ch{};
    for (std::size_t c = 0; c < n; ++c) {
        if (block[c] > 6) return false;
        ch[c].coeff1 = kMsCoeff1[block[c]];
        ch[c].coeff2 = kMsCoeff2[block[c]];
        ch[c].delta = le16(block + n + 2 * c);
        ch[c].sample1 = le16(block + 3 * n + 2 * c);
        ch[c].sample2 = le16(block + 5 * n + 2 * c);
    }
    MsChannel& last = ch[n - 1];
    put(out, static_cast<std::int16_t>(ch[0].sample2), static_cast<std::int16_t>(last.sample2));
    put(out, static_cast<std::int16_t>(ch[0].sample1), static_cast<std::int16_t>(last.sample1));
    for (std::size_t i = 7 * n; i < size; ++i) {
        std::int16_t high = ch[0].expand(block[i] >> 4);
        std::int16_t low = last.expand(block[i] & 15);
        if (n == 2)
            put(out, high, low);
        else
            put(out, high, high), put(out, low, low);
    }
    return true;
}

}  // namespace tumblix
