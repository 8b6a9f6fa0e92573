// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tumblix {

// An audio file read piece by piece as 16-bit stereo frames at the rate its sound starts with;
// a mono part comes out on both sides at its own level, and a part at another rate or with
// other channels is converted to that. Any format FFmpeg reads: FFmpeg comes in with the
// decoder module, loaded when the first such file is opened (see decoder_module.h). Not for
// two threads at once.
class AudioStream {
  public:
    // Nothing when the file cannot be opened, holds no audio stream or the decoder module
    // cannot be loaded; why, if given, says so. Opening reads a bounded part of the file within
    // a bounded time; *stop, while true, ends it early.
    static std::unique_ptr<AudioStream> open(const std::string& path, std::string* why = nullptr,
                                             const std::atomic<bool>* stop = nullptr);
    virtual ~AudioStream() = default;
    AudioStream(const AudioStream&) = delete;
    AudioStream& operator=(const AudioStream&) = delete;

    virtual int rate() const = 0;
    // Appends up to `frames` frames to out and says how many; fewer only at the end of the sound.
    virtual std::size_t read(std::vector<std::int16_t>& out, std::size_t frames) = 0;
    // True when the decoding ended on a fault rather than at the end of the file.
    virtual bool failed() const = 0;
    // Goes on from ms milliseconds after the start; false when the file cannot go there.
    virtual bool seek(std::int64_t ms) = 0;

  protected:
    AudioStream() = default;
    // Hands out up to `frames` frames of the decoded samples in ready from readyAt on, calling
    // more() for further ones whenever they run out, until it gives false.
    template <typename More>
    static std::size_t handOut(std::vector<std::int16_t>& ready, std::size_t& readyAt,
                               std::vector<std::int16_t>& out, std::size_t frames, More more) {
        std::size_t given = 0;
        while (given < frames) {
            if (readyAt == ready.size()) {
                ready.clear();
                readyAt = 0;
                if (!more()) break;
                continue;
            }
            const std::size_t n = std::min(frames - given, (ready.size() - readyAt) / 2);
            auto from = ready.begin() + static_cast<std::ptrdiff_t>(readyAt);
            out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(2 * n));
            readyAt += 2 * n;
            given += n;
        }
        return given;
    }
};

}  // namespace tumblix
