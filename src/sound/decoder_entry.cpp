// The decoder module's entry: FFmpeg's streams opened for the game (see decoder_module.h).
#include "sound/decoder_module.h"
#include "sound/ffmpeg_stream.h"

extern "C" __attribute__((visibility("default"))) tumblix::AudioStream* tumblix_decoder_open_v1(
    const char* path, std::string* why, const std::atomic<bool>* stop) {
    return tumblix::FfmpegStream::openFile(path, why, stop).release();
}

namespace {
// The name above is the one the game looks up.
[[maybe_unused]] constexpr tumblix::DecoderOpen kEntry = &tumblix_decoder_open_v1;
}  // namespace
