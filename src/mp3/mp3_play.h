#pragma once

#include <memory>

#include "mp3/mp3_player.h"

namespace tumblix {

class MusicStream;

// The player of one MP3, MP2 or WMA file (any audio file FFmpeg reads), on a sound device of
// its own, so that its failures never touch the game's sounds and theirs never stop it. At most
// one file is open: mmPlay refuses while one is, and callers stop first. Destroying it stops.
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
    std::string mmStop() override;
    std::string Position() override;
    // How far the open file has played, in milliseconds; 0 when none is open.
    std::int64_t PositionMs() const;
    void SeekTo(std::int64_t ms) override;

  private:
    bool enabled_ = true;
    std::string fileName_;
    std::unique_ptr<MusicStream> open_;
};

}  // namespace tumblix
