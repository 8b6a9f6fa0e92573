// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence/seq.h"

namespace tumblix {

clsSeq::clsSeq(Random& random, const Clock& clock, std::function<void()> beep)
    : random_(random), clock_(clock), beep_(std::move(beep)) {}

std::uint8_t clsSeq::Head() {
    if (Count == 0) return 0;
    if (Cursor > Count) Cursor = 1;
    std::uint8_t item = Items[Cursor];
    Cursor = Cursor == Count ? 1 : Cursor + 1;
    return item;
}

void clsSeq::PutItem(std::uint8_t NewItem) {
    if (Count >= kCapacity) return;
    Items[++Count] = NewItem;
}

void clsSeq::KillItem(std::uint8_t KillingIndex) {
    if (KillingIndex == 0 || KillingIndex > Count) {
        if (beep_) beep_();
        return;
    }
    for (std::uint8_t i = KillingIndex; i < Count; ++i) Items[i] = Items[i + 1];
    --Count;
}

std::uint8_t clsSeq::GetValueItem(std::uint8_t btWhat) const {
    return btWhat <= kCapacity ? Items[btWhat] : 0;
}

std::uint8_t clsSeq::GetRandom() {
    random_.reseed(clock_.timer());
    std::int64_t r = roundHalfEven(random_.next() * Count + 1);
    if (r > Count) r = Count;
    return Items[static_cast<std::size_t>(r)];
}

}  // namespace tumblix
