// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "sound/failure_report.h"
#include "sound/mixer.h"

namespace tumblix {

// The background music: one sound file played in a loop as it is read, with its volume,
// playback rate and left/right balance under the game's control. Once it has failed every routine
// does nothing. A file is opened in the background; the answer comes back to the thread that
// made the music, through its event loop.
class DirectSound {
  public:
    // Told on the music's thread whether the file played opens as sound.
    using Answered = std::function<void(bool opened)>;
    // freq: the main window's music frequency, set to the file's own rate once it is opened,
    // unless SetBkgFreq chose one since PlayBkgMusic.
    DirectSound(Mixer& mixer, std::int32_t& freq, FailureReport report = nullptr);
    ~DirectSound();
    DirectSound(const DirectSound&) = delete;
    DirectSound& operator=(const DirectSound&) = delete;

    // The volume last given to SetBkgVolume, kept even while the music is failed.
    std::int16_t MusicVolume = 0;
    // True when the music failed to load or to start; false while its file is being opened.
    bool bFailedDS = false;

    // Plays the file looping from its beginning once it is opened, which the call does not wait
    // for: the calls made meanwhile take effect in their order. A failed opening fails the music
    // and is reported; then answered, unless another file or a release came first.
    void PlayBkgMusic(const std::string& file, Answered answered = nullptr);
    // True from PlayBkgMusic until its answer came.
    bool opening() const { return opening_; }
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
    // The answer to the call-th opening: the file's own rate, or 0.
    void answer(std::uint64_t call, std::int32_t rate);
    // The loaded music while it has not failed.
    MixerBuffer* music() const { return bFailedDS ? nullptr : Buffer.get(); }

    Mixer& mixer_;
    std::int32_t& freq_;
    FailureReport report_;
    std::string MusicFile;
    std::unique_ptr<MixerBuffer> Buffer;
    QObject answers_;         // the answers run in its thread, and never once it is gone
    std::uint64_t call_ = 0;  // counts the openings and releases
    bool opening_ = false, freqChosen_ = false;
    Answered answered_;
};

}  // namespace tumblix
