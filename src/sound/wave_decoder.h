// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sound/audio_stream.h"

namespace tumblix {

// A sound decoded whole: 16-bit stereo frames at the file's own rate.
struct Pcm {
    std::vector<std::int16_t> samples;  // left, right, left, right, ...
    int rate = 0;
    std::size_t frames() const { return samples.size() / 2; }
};

// Longer sounds are refused rather than held in memory: ten minutes at the highest rate.
inline constexpr std::size_t kMaxSoundFrames = 10u * 60u * 192000u;

// Decodes any audio file FFmpeg reads; a mono file comes out on both sides at its own level.
// Nothing when the file is missing, is not audio or holds no sound at all. Wave files of the
// usual kinds are read without FFmpeg; other files load the decoder module.
std::optional<Pcm> decodeSound(const std::string& path);

// The whole of a stream, refused as decodeSound refuses.
std::optional<Pcm> decodeWhole(AudioStream& stream);

// The same files opened to be read piece by piece; nothing when the file is missing, not a
// regular file or not audio. *stop, while true, ends a slow opening early.
std::unique_ptr<AudioStream> openSound(const std::string& path,
                                       const std::atomic<bool>* stop = nullptr);

}  // namespace tumblix
