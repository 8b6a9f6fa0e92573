// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/figure_chooser.h"
#include "sequence/seq.h"

namespace tumblix {

// The figure sequence of a run: the list, the mode switches and the number of slots the
// editor shows. Nothing of it is saved; every run starts with an empty list and the mode off.
// The game's figure chooser reads it for every new figure.
struct SequenceState final : SequenceSource {
    SequenceState(Random& random, const Clock& clock, std::function<void()> beep = {})
        : FigureSequence(random, clock, std::move(beep)) {}

    clsSeq FigureSequence;
    bool SequenceOn = false;
    bool SequenceRandom = false;
    std::uint8_t SequenceLength = 0;  // moves in step with the list's count

    bool on() const override { return SequenceOn; }
    bool randomOrder() const override { return SequenceRandom; }
    int head() override { return FigureSequence.Head(); }
    int randomKind() override { return FigureSequence.GetRandom(); }
};

}  // namespace tumblix
