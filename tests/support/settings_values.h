// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "engine/random.h"
#include "settings_dialog/settings_target.h"
#include "sound/fake_mixer.h"

namespace tumblix::testing {

// A clock that never moves.
class StillClock final : public Clock {
  public:
    int seconds() const override { return 0; }
    double timer() const override { return 1000.0; }
};

// Values of a test's own for the settings dialog, on a sound system that records what it
// would play.
struct SettingsValues : SettingsTarget {
    GameSettings& gameSettings() override { return game; }
    SoundSystem& soundSystem() override { return sounds; }
    SequenceState& figureSequence() override { return sequence; }

    test::FakeMixer* mixer = new test::FakeMixer;
    SoundSystem sounds{std::unique_ptr<Mixer>(mixer)};
    GameSettings game;
    MersenneRandom random{5};
    StillClock clock;
    SequenceState sequence{random, clock};
};

}  // namespace tumblix::testing
