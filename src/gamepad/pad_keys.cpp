// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepad/pad_keys.h"

#include <cstdlib>

#include "control/keyboard.h"

namespace tumblix {

namespace {
constexpr int kCodes[] = {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space, vk::Escape};
constexpr bool kRepeats[] = {true, true, true, true, false, false};

// The buttons that hold each key, in the keys' order.
struct Source {
    PadButton first, second;
};
constexpr Source kSources[] = {{PadButton::DpadLeft, PadButton::DpadLeft},
                               {PadButton::DpadRight, PadButton::DpadRight},
                               {PadButton::DpadUp, PadButton::A},
                               {PadButton::DpadDown, PadButton::DpadDown},
                               {PadButton::B, PadButton::X},
                               {PadButton::Start, PadButton::Start}};

// A repeat that fell behind (a stalled program) plays at most this many presses at once.
constexpr int kMaxRepeatsAtOnce = 3;
}  // namespace

int PadKeys::stickKey(const PadState& s) const {
    int x = s.stickX, y = s.stickY;
    // The held arrow stays while its side of the stick stays past the smaller threshold.
    if (stick_ == kLeft && x < -kStickRelease) return kLeft;
    if (stick_ == kRight && x > kStickRelease) return kRight;
    if (stick_ == kDown && y > kStickRelease) return kDown;
    // A new arrow by the axis pushed furthest, so a sideways push that leans down does not drop.
    if (std::abs(x) >= std::abs(y)) {
        if (x < -kStickPress) return kLeft;
        if (x > kStickPress) return kRight;
    } else if (y > kStickPress) {
        return kDown;
    }
    return kNone;
}

void PadKeys::update(const PadState& state, std::int64_t nowMs, const KeySink& sink) {
    stick_ = stickKey(state);
    std::array<bool, kKeyCount> want{};
    for (int k = 0; k < kKeyCount; ++k)
        want[k] = state[kSources[k].first] || state[kSources[k].second] || stick_ == k;
    for (int k = 0; k < kKeyCount; ++k) {
        if (want[k] || !down_[k]) continue;
        down_[k] = false;
        if (repeating_ == k) repeating_ = kNone;
        sink(kCodes[k], false);
    }
    for (int k = 0; k < kKeyCount; ++k) {
        if (!want[k] || down_[k]) continue;
        down_[k] = true;
        repeating_ = kRepeats[k] ? k : kNone;
        nextRepeat_ = nowMs + repeat_.delayMs;
        sink(kCodes[k], true);
    }
    for (int n = 0; repeating_ != kNone && nextRepeat_ <= nowMs; ++n) {
        if (n == kMaxRepeatsAtOnce) {
            nextRepeat_ = nowMs + repeat_.intervalMs;
            break;
        }
        nextRepeat_ += repeat_.intervalMs;
        sink(kCodes[repeating_], true);
    }
}

std::int64_t PadKeys::untilRepeat(std::int64_t nowMs) const {
    if (repeating_ == kNone) return -1;
    return nextRepeat_ > nowMs ? nextRepeat_ - nowMs : 0;
}

}  // namespace tumblix
