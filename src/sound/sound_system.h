#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/host.h"
#include "sound/direct_sound.h"
#include "sound/dm_ctrl.h"
#include "sound/sound_settings.h"

namespace tumblix {

// Everything the game hears: the ten event sounds, the background music with its balance sweep,
// and the settings that drive them, all on one mixer.
class SoundSystem {
  public:
    // Creates the ten sounds, empty, in the order mDown1, mLeft1, ... mInverse1.
    explicit SoundSystem(std::unique_ptr<Mixer> mixer, FailureReport report = nullptr);

    clsDMCtrl& object(Sound s) { return *objects_[static_cast<std::size_t>(s)]; }
    void play(Sound s) { object(s).DMCtrlPlay(); }
    // The help tour's sounds: 1 mTumblix1, 2 mDown1, 3 mLeft1, 4 mRight1, 5 mRotate1,
    // 6 mDrop1, 7 mDelLin1; other codes play nothing.
    void PlayEventSound(int code);

    // Each sound's default file below folder, its default volume and frequency, switched on;
    // the default music file.
    void useDefaults(const std::string& folder);
    // Starts the music at start-up: plays the file, stops it again when the music is off, then
    // applies the chosen volume and frequency.
    void startMusic();
    // One gravity tick of the music's balance sweep.
    void sweepBalance();

  private:
    std::unique_ptr<Mixer> mixer_;  // first in, last out: outlives every buffer

  public:
    SoundSettings settings;
    DirectSound music;

  private:
    std::array<std::unique_ptr<clsDMCtrl>, 10> objects_;
    std::int16_t PanDirection = 1;
};

}  // namespace tumblix
