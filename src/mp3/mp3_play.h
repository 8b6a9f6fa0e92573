// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "mp3/mp3_player.h"

namespace tumblix {

class MusicStream;

// The player of one MP3, MP2 or WMA file (any audio file FFmpeg reads), on a sound device of
// its own, so that its failures never touch the game's sounds and theirs never stop it. At most
// one file is open: mmPlay refuses while one is open or opening, and callers stop first.
// Destroying it stops.
class MP3Play final : public Mp3Player {
  public:
    MP3Play();
    ~MP3Play() override;

    bool Enabled() const { return enabled_; }
    void Enabled(bool New_Enabled) { enabled_ = New_Enabled; }
    const std::string& FileName() const override { return fileName_; }
    void FileName(const std::string& New_FileName) override { fileName_ = New_FileName; }
    bool IsPlaying() override;
    std::string mmPlay() override;
    // On a thread of its own, which also calls `played`.
    void mmPlayAway(Played played) override;
    std::string mmStop() override;
    std::string Position() override;
    // How far the open file has played, in milliseconds; 0 when none is open.
    std::int64_t PositionMs() const;
    void SeekTo(std::int64_t ms) override;

  private:
    // The quick checks before a file is opened: the file to open in path, or why not.
    std::optional<std::string> refusal(std::string& path);
    // Opens and starts the file; what mmPlay answers.
    std::string open(const std::string& path);

    bool enabled_ = true;
    std::string fileName_;
    std::thread opener_;
    std::atomic<bool> stopOpening_{false};
    mutable std::mutex mutex_;
    bool opening_ = false;               // under mutex_
    std::unique_ptr<MusicStream> open_;  // under mutex_
};

}  // namespace tumblix
