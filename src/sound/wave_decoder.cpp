// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_decoder.h"

#include <filesystem>
#include <system_error>

#include "sound/audio_stream.h"
#include "sound/wave_reader.h"
#include "sound/wave_stream.h"

namespace tumblix {

namespace {
constexpr std::size_t kChunkFrames = 65536;
}  // namespace

std::optional<Pcm> decodeWhole(AudioStream& stream) {
    Pcm pcm;
    pcm.rate = stream.rate();
    while (stream.read(pcm.samples, kChunkFrames) == kChunkFrames)
        if (pcm.frames() > kMaxSoundFrames) return std::nullopt;
    if (stream.failed() || pcm.frames() == 0 || pcm.frames() > kMaxSoundFrames) return std::nullopt;
    return pcm;
}

std::optional<Pcm> decodeSound(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    if (std::optional<Pcm> wave = readWave(path)) return wave;
    std::unique_ptr<AudioStream> stream = AudioStream::open(path);
    return stream ? decodeWhole(*stream) : std::nullopt;
}

std::unique_ptr<AudioStream> openSound(const std::string& path, const std::atomic<bool>* stop) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    if (std::unique_ptr<AudioStream> wave = WaveStream::open(path)) return wave;
    return AudioStream::open(path, nullptr, stop);
}

}  // namespace tumblix
