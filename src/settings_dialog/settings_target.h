// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/game_state.h"
#include "sequence/sequence_state.h"
#include "sound/sound_system.h"

namespace tumblix {

// What the settings dialog edits: the game's grid and ghost values, the sound system's event
// sounds and background music, and the figure sequence its editor changes. The main window
// owns one for its game; a test hands its own.
class SettingsTarget {
  public:
    virtual GameSettings& gameSettings() = 0;
    virtual SoundSystem& soundSystem() = 0;
    virtual SequenceState& figureSequence() = 0;

  protected:
    ~SettingsTarget() = default;
};

}  // namespace tumblix
