// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder module's entry: FFmpeg's streams opened for the game (see decoder_module.h).
#include <type_traits>

#include "sound/decoder_module.h"
#include "sound/ffmpeg_stream.h"

extern "C" __attribute__((visibility("default"))) tumblix::AudioStream* tumblix_decoder_open_v1(
    const char* path, std::string* why, const std::atomic<bool>* stop) {
    return tumblix::FfmpegStream::openFile(path, why, stop).release();
}

// Named kDecoderOpenFunction, of the type the game calls it by.
static_assert(std::is_same_v<decltype(&tumblix_decoder_open_v1), tumblix::DecoderOpen>);
