// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/figure_chooser.h"

namespace tumblix {

QueueEntry FigureChooser::next(int figureKinds) {
    stirRandom(random_, clock_);
    QueueEntry entry;
    if (sequenceOn()) {
        int kind = sequence_->randomOrder() ? sequence_->randomKind() : sequence_->head();
        entry.pattern = std::string(sequenceKindPattern(kind));
        return entry;
    }
    int kind = static_cast<int>(random_.next() * figureKinds);
    entry.pattern = std::string(randomKindPattern(kind));
    if (static_cast<int>(50 * random_.next()) == 25) {
        entry.pattern = tumblixPattern();
        entry.isTumblix = true;
        if (entry.pattern == kSuperPattern)
            entry.bonus = 250000;
        else
            entry.bonus = static_cast<int>(roundHalfEven(30000 + 20001 * random_.next()));
    }
    return entry;
}

std::string FigureChooser::tumblixPattern() {
    stirRandom(random_, clock_);
    std::string pattern;
    int filled = 0;
    for (int group = 0; group < 4; ++group) {
        stirRandom(random_, clock_);
        for (int i = 0; i < 4; ++i) {
            bool one = random_.next() >= 0.8;
            pattern += one ? '1' : '0';
            filled += one;
        }
    }
    return filled == 0 ? std::string(kSuperPattern) : pattern;
}

}  // namespace tumblix
