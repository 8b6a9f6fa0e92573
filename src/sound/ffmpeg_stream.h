// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "sound/audio_stream.h"

namespace tumblix {

class MediaInput;

// The audio stream decoded by FFmpeg. Built into the decoder module, never into the game.
class FfmpegStream final : public AudioStream {
  public:
    // Nothing when the file cannot be opened or holds no audio stream; why, if given, says so.
    // Opening reads a bounded part of the file within a bounded time; *stop, while true, ends
    // it early.
    static std::unique_ptr<AudioStream> openFile(const std::string& path,
                                                 std::string* why = nullptr,
                                                 const std::atomic<bool>* stop = nullptr);
    // The same for a file's bytes held in memory.
    static std::unique_ptr<AudioStream> openBytes(std::string bytes, std::string* why = nullptr);
    ~FfmpegStream() override;

    int rate() const override;
    std::size_t read(std::vector<std::int16_t>& out, std::size_t frames) override;
    bool failed() const override;
    bool seek(std::int64_t ms) override;

  private:
    struct Decoder;
    static std::unique_ptr<AudioStream> start(std::unique_ptr<MediaInput> input,
                                              const std::string& name, std::string* why,
                                              const std::atomic<bool>* stop);
    explicit FfmpegStream(std::unique_ptr<Decoder> d);
    std::unique_ptr<Decoder> d_;
};

}  // namespace tumblix
