// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tumblix {

// What the player window asks of its player: one file at a time, opened and played by mmPlay,
// stopped and closed by mmStop.
class Mp3Player {
  public:
    using Played = std::function<void(const std::string& result)>;

    virtual ~Mp3Player() = default;
    virtual const std::string& FileName() const = 0;
    virtual void FileName(const std::string& New_FileName) = 0;
    virtual bool IsPlaying() = 0;
    // "Success", "Error with input file", a text saying why the file cannot be played, or ""
    // after an unexpected fault, which also clears FileName.
    virtual std::string mmPlay() = 0;
    // mmPlay with the opening and probing of the file away from the caller's thread, so that
    // a large or odd file never holds it up: `played` gets mmPlay's result, possibly on another
    // thread. Meanwhile the player counts as playing, and mmStop ends the opening.
    virtual void mmPlayAway(Played played) { played(mmPlay()); }
    virtual std::string mmStop() = 0;
    virtual std::string Position() = 0;
    // Plays the open file from ms milliseconds on.
    virtual void SeekTo(std::int64_t ms) = 0;
};

}  // namespace tumblix
