// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random.h"

namespace tumblix::testing {

// A clock that never moves.
class StillClock final : public Clock {
  public:
    int seconds() const override { return 0; }
    double timer() const override { return 1000.0; }
};

}  // namespace tumblix::testing
