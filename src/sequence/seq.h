// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "engine/random.h"

namespace tumblix {

// A list of up to ten figure kinds, dealt in cyclic order (Head) or at random (GetRandom).
// Positions are 1-based; position 0 is never written and reads 0.
class clsSeq {
  public:
    static constexpr std::uint8_t kCapacity = 10;

    // beep: the system beep, sounded when a removal names no item.
    clsSeq(Random& random, const Clock& clock, std::function<void()> beep = {});

    // The next item in cyclic order; 0 for an empty list. The cursor survives edits, so the
    // order goes on from where it stood; a cursor left beyond the list starts again at 1.
    std::uint8_t Head();
    // Appends; a full list stays as it is.
    void PutItem(std::uint8_t NewItem);
    std::uint8_t GetCount() const { return Count; }
    // Removes the item at a position; the later ones move forward. Position 0 or one beyond
    // the list beeps and changes nothing.
    void KillItem(std::uint8_t KillingIndex);
    // The item at a position 0..10; 0 beyond that.
    std::uint8_t GetValueItem(std::uint8_t btWhat) const;
    // A random item, the generator reseeded from the time of day first. The draw rounds
    // r * Count + 1 to the nearest (halves to even) and clips it to Count, so the first item
    // comes half as often as a middle one and the last one and a half times as often.
    std::uint8_t GetRandom();

  private:
    Random& random_;
    const Clock& clock_;
    std::function<void()> beep_;
    std::array<std::uint8_t, kCapacity + 1> Items{};
    std::uint8_t Count = 0;
    std::uint8_t Cursor = 1;
};

}  // namespace tumblix
