// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace tumblix {

// The gamepad's controls the game reads. The stick's axes run from -32768 (left, up) to 32767
// (right, down).
enum class PadButton { DpadLeft, DpadRight, DpadUp, DpadDown, A, B, X, Start, Count };

struct PadState {
    std::array<bool, static_cast<std::size_t>(PadButton::Count)> held{};
    int stickX = 0;
    int stickY = 0;

    bool& operator[](PadButton b) { return held[static_cast<std::size_t>(b)]; }
    bool operator[](PadButton b) const { return held[static_cast<std::size_t>(b)]; }
};

// A held key's repeat: the first repeated press after delayMs, then one every intervalMs.
struct KeyRepeat {
    int delayMs = 500;
    int intervalMs = 33;
};

// Receives the game's key presses (down) and releases, with the key's code.
using KeySink = std::function<void(int keyCode, bool down)>;

// Turns the gamepad's state into the keyboard's presses, releases and repeats: the D-pad and the
// stick are the arrows, A rotates like Up, B and X invert like Space, Start pauses like Esc. As
// on a keyboard, the arrow key pressed last repeats while it is held, until another key is
// pressed.
class PadKeys {
  public:
    // The stick presses its arrow past a third of its travel and lets go under a quarter, so a
    // stick resting near the edge does not chatter.
    static constexpr int kStickPress = 32767 / 3;
    static constexpr int kStickRelease = 32767 / 4;

    explicit PadKeys(KeyRepeat repeat) : repeat_(repeat) {}

    // Takes the state read at nowMs: releases first, then presses, then the repeats due.
    void update(const PadState& state, std::int64_t nowMs, const KeySink& sink);
    // Milliseconds until the next repeat is due (0 when due); -1 while nothing repeats.
    std::int64_t untilRepeat(std::int64_t nowMs) const;

  private:
    enum Key { kLeft, kRight, kUp, kDown, kSpace, kEscape, kKeyCount };
    static constexpr int kNone = -1;
    // Which arrow the stick holds, with the dead zone and the stick's current arrow.
    int stickKey(const PadState& state) const;

    KeyRepeat repeat_;
    std::array<bool, kKeyCount> down_{};
    int stick_ = kNone;
    int repeating_ = kNone;
    std::int64_t nextRepeat_ = 0;
};

}  // namespace tumblix
