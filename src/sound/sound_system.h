// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/host.h"
#include "settings/settings.h"
#include "sound/direct_sound.h"
#include "sound/dm_ctrl.h"
#include "sound/sound_state.h"

namespace tumblix {

// Everything the game hears: the ten event sounds, the background music with its balance sweep,
// and the settings that drive them, all on one mixer.
class SoundSystem {
  public:
    // Creates the ten sounds, empty, in the order mDown1, mLeft1, ... mInverse1.
    explicit SoundSystem(std::unique_ptr<Mixer> mixer, FailureReport report = nullptr);

    clsDMCtrl& object(Sound s) { return *objects_[static_cast<std::size_t>(s)]; }
    const clsDMCtrl& object(Sound s) const { return *objects_[static_cast<std::size_t>(s)]; }
    void play(Sound s) { object(s).DMCtrlPlay(); }

    // Takes up the settings read at start-up: starts the music (plays the file, stops it again
    // when the music is off, applies the chosen volume and frequency), then configures the ten
    // sounds.
    void applySettings(const Settings& file);
    // Writes the values in force back for the settings file: the music's remembered volume,
    // and each sound as its object reports it.
    void storeSettings(Settings& file) const;
    // At the program's end: the ten sounds in their order of creation, then the music.
    void release();
    // Plays the music file, stops it again when the music is off, then applies the chosen
    // volume and frequency; a music that cannot play leaves the path "..." once it is known.
    void startMusic();
    // One gravity tick of the music's balance sweep.
    void sweepBalance();
    // True while the music loops, its balance moving with every tick.
    bool musicSweeping() const {
        return settings.EnableLoop && settings.SpeedChange != 0 && !music.bFailedDS;
    }

  private:
    std::unique_ptr<Mixer> mixer_;  // first in, last out: outlives every buffer

  public:
    SoundState settings;
    DirectSound music;

  private:
    std::array<std::unique_ptr<clsDMCtrl>, 10> objects_;
    std::int16_t PanDirection = 1;
};

}  // namespace tumblix
