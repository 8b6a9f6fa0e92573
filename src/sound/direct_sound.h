// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sound/failure_report.h"
#include "sound/mixer.h"

namespace tumblix {

// The background music: one sound file played in a loop as it is read, with its volume,
// playback rate and left/right balance under the game's control. Once it has failed every routine
// does nothing.
class DirectSound {
  public:
    // freq: the main window's music frequency, set to the file's own rate by PlayBkgMusic.
    DirectSound(Mixer& mixer, std::int32_t& freq, FailureReport report = nullptr);
    ~DirectSound();
    DirectSound(const DirectSound&) = delete;
    DirectSound& operator=(const DirectSound&) = delete;

    // The volume last given to SetBkgVolume, kept even while the music is failed.
    std::int16_t MusicVolume = 0;
    // True when the music failed to load or to start.
    bool bFailedDS = false;

    // Loads the file and plays it looping from its beginning.
    void PlayBkgMusic(const std::string& file);
    // Stops; the music stays loaded and keeps its position.
    void StopBkgMusic();
    // Plays on from where it stopped.
    void ResumeBkgMusic();
    void SetBkgVolume(std::int16_t volume);
    void SetBkgFreq(std::int32_t frequency);
    void SetBkgPan(std::int16_t pan);
    std::int32_t GetBkgFreq() const;
    std::int16_t GetBkgVolume() const { return bFailedDS ? 0 : MusicVolume; }
    void DSRelease();

  private:
    void DSInitMusic();
    bool DSCreateMusic();
    // The loaded music while it has not failed.
    MixerBuffer* music() const { return bFailedDS ? nullptr : Buffer.get(); }

    Mixer& mixer_;
    std::int32_t& freq_;
    FailureReport report_;
    std::string MusicFile;
    std::unique_ptr<MixerBuffer> Buffer;
};

}  // namespace tumblix
