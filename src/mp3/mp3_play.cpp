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
    return open_ && open_->playing();
}

std::string MP3Play::mmPlay() {
    try {
        std::string path = findSoundFile(fileName_);
        std::error_code error;
        // Only a regular file: a pipe or a device could keep the decoder waiting for ever.
        if (path.empty() || !std::filesystem::is_regular_file(path, error))
            return "Error with input file";
        if (open_) return "The device is already open: stop the playing file first.";
        std::string why;
        std::unique_ptr<AudioStream> audio = AudioStream::open(path, &why);
        if (!audio) return why;
        open_ = MusicStream::start(std::move(audio), why);
        return open_ ? "Success" : why;
    } catch (...) {
        fileName_.clear();
        return "";
    }
}

std::string MP3Play::mmStop() {
    open_.reset();
    return "";
}

std::int64_t MP3Play::PositionMs() const {
    return open_ ? open_->positionMs() : 0;
}

std::string MP3Play::Position() {
    return positionText(PositionMs());
}

void MP3Play::SeekTo(std::int64_t ms) {
    if (open_) open_->seek(ms);
}

}  // namespace tumblix
