#include "sound/wave_decoder.h"

#include "sound/audio_stream.h"

namespace tumblix {

namespace {
// Longer files are refused rather than held in memory: ten minutes of music.
constexpr std::size_t kMaxFrames = 10u * 60u * 192000u;
constexpr std::size_t kChunkFrames = 65536;
}  // namespace

std::optional<Pcm> decodeSound(const std::string& path) {
    std::unique_ptr<AudioStream> stream = AudioStream::open(path);
    if (!stream) return std::nullopt;
    Pcm pcm;
    pcm.rate = stream->rate();
    while (stream->read(pcm.samples, kChunkFrames) == kChunkFrames)
        if (pcm.frames() > kMaxFrames) return std::nullopt;
    if (stream->failed() || pcm.frames() == 0 || pcm.frames() > kMaxFrames) return std::nullopt;
    return pcm;
}

}  // namespace tumblix
