// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/figure.h"
#include "engine/random.h"

namespace tumblix {

// A fixed list of figure kinds that may stand in for the random choice.
class SequenceSource {
  public:
    virtual ~SequenceSource() = default;
    virtual bool on() const = 0;
    virtual bool randomOrder() const = 0;
    // The next kind in cyclic order (0 for an empty list).
    virtual int head() = 0;
    // A kind drawn at random from the list.
    virtual int randomKind() = 0;
};

// Chooses the figures that enter the queue: ordinary ones, the rare Tumblix figure with its
// bonus and the still rarer super figure.
class FigureChooser {
  public:
    FigureChooser(Random& random, const Clock& clock) : random_(random), clock_(clock) {}

    void setSequence(SequenceSource* sequence) { sequence_ = sequence; }
    bool sequenceOn() const { return sequence_ != nullptr && sequence_->on(); }

    // GetNextFigurePattern: the pattern, its bonus (tenths) and whether it is a Tumblix figure.
    QueueEntry next(int figureKinds);
    // Initialize_Array_For_Tumblix: each cell filled with probability 0.2; none gives the super.
    std::string tumblixPattern();

  private:
    Random& random_;
    const Clock& clock_;
    SequenceSource* sequence_ = nullptr;
};

}  // namespace tumblix
