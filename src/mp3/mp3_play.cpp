// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3/mp3_play.h"

#include <filesystem>
#include <system_error>

#include "mp3/music_stream.h"
#include "mp3/position_text.h"
#include "sound/path_lookup.h"

namespace tumblix {

MP3Play::MP3Play() = default;

MP3Play::~MP3Play() {
    mmStop();
}

bool MP3Play::IsPlaying() {
    std::lock_guard lock(mutex_);
    return opening_ || (open_ && open_->playing());
}

std::optional<std::string> MP3Play::refusal(std::string& path) {
    path = findSoundFile(fileName_);
    std::error_code error;
    // Only a regular file: a pipe or a device could keep the decoder waiting for ever.
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return "Error with input file";
    std::lock_guard lock(mutex_);
    if (open_ || opening_) return "The device is already open: stop the playing file first.";
    opening_ = true;
    return std::nullopt;
}

std::string MP3Play::open(const std::string& path) {
    std::string why;
    std::unique_ptr<MusicStream> stream;
    try {
        if (std::unique_ptr<AudioStream> audio = AudioStream::open(path, &why, &stopOpening_))
            stream = MusicStream::start(std::move(audio), why);
    } catch (...) {
        why.clear();
    }
    std::lock_guard lock(mutex_);
    opening_ = false;
    open_ = std::move(stream);
    return open_ ? "Success" : why;
}

std::string MP3Play::mmPlay() {
    std::string path;
    try {
        if (auto refused = refusal(path)) return *refused;
    } catch (...) {
        fileName_.clear();
        return "";
    }
    std::string result = open(path);
    if (result.empty()) fileName_.clear();
    return result;
}

void MP3Play::mmPlayAway(Played played) {
    std::string path;
    try {
        if (auto refused = refusal(path)) return played(*refused);
        if (opener_.joinable()) opener_.join();  // the last one, done with its file
        opener_ = std::thread([this, path, played] { played(open(path)); });
    } catch (...) {
        std::lock_guard lock(mutex_);
        opening_ = false;
        fileName_.clear();
        played("");
    }
}

std::string MP3Play::mmStop() {
    stopOpening_ = true;
    if (opener_.joinable()) opener_.join();
    stopOpening_ = false;
    std::lock_guard lock(mutex_);
    open_.reset();
    return "";
}

std::int64_t MP3Play::PositionMs() const {
    std::lock_guard lock(mutex_);
    return open_ ? open_->positionMs() : 0;
}

std::string MP3Play::Position() {
    return positionText(PositionMs());
}

void MP3Play::SeekTo(std::int64_t ms) {
    std::lock_guard lock(mutex_);
    if (open_) open_->seek(ms);
}

}  // namespace tumblix
