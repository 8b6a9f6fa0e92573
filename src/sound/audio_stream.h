#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tumblix {

// An audio file read piece by piece as 16-bit stereo frames at the file's own rate; a mono file
// comes out on both sides at its own level. Any format FFmpeg reads. Not for two threads at once.
class AudioStream {
  public:
    // Nothing when the file cannot be opened or holds no audio stream; why, if given, says so.
    static std::unique_ptr<AudioStream> open(const std::string& path, std::string* why = nullptr);
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
    explicit AudioStream(std::unique_ptr<Decoder> d);
    std::unique_ptr<Decoder> d_;
};

}  // namespace tumblix
