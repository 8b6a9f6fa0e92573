// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tumblix {

// A packed 24-bit colour as the game stores it: &HBBGGRR (red in the low byte).
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The sixteen-colour palette; numbers outside 0..15 wrap into it.
constexpr Color qbColor(int n) {
    constexpr Color palette[16] = {
        rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255)};
    return palette[n & 15];
}

namespace colors {
inline constexpr Color black = rgb(0, 0, 0);
inline constexpr Color white = rgb(255, 255, 255);
inline constexpr Color cyan = rgb(0, 255, 255);
inline constexpr Color green = rgb(0, 255, 0);
inline constexpr Color yellow = rgb(255, 255, 0);
}  // namespace colors

}  // namespace tumblix
