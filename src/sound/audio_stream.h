#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tumblix {

class MediaInput;

// An audio file read piece by piece as 16-bit stereo frames at the rate its sound starts with;
// a mono part comes out on both sides at its own level, and a part at another rate or with
// other channels is converted to that. Any format FFmpeg reads. Not for two threads at once.
class AudioStream {
  public:
    // Nothing when the file cannot be opened or holds no audio stream; why, if given, says so.
    // Opening reads a bounded part of the file within a bounded time; *stop, while true, ends
    // it early.
    static std::unique_ptr<AudioStream> open(const std::string& path, std::string* why = nullptr,
                                             const std::atomic<bool>* stop = nullptr);
    // The same for a file's bytes held in memory.
    static std::unique_ptr<AudioStream> openBytes(std::string bytes, std::string* why = nullptr);
    ~AudioStream();
    AudioStream(const AudioStream&) = delete;
    AudioStream& operator=(const AudioStream&) = delete;

    int rate() const;
    // Appends up to `frames` frames to out and says how many; fewer only at the end of the sound.
    std::size_t read(std::vector<std::int16_t>& out, std::size_t frames);
    // True when the decoding ended on a fault rather than at the end of the file.
    bool failed() const;
    // Goes on from ms milliseconds after the start; false when the file cannot go there.
    bool seek(std::int64_t ms);

  private:
    struct Decoder;
    static std::unique_ptr<AudioStream> start(std::unique_ptr<MediaInput> input,
                                              const std::string& name, std::string* why,
                                              const std::atomic<bool>* stop);
    explicit AudioStream(std::unique_ptr<Decoder> d);
    std::unique_ptr<Decoder> d_;
};

}  // namespace tumblix
