// The sound decoder on any bytes, read from memory through the same opening, probing, decoding
// and resampling as a sound file: up to a few seconds of it, then again from the start. It
// must never crash, and every read gives the frames it says.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "sound/audio_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto stream =
        tumblix::AudioStream::openBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (!stream) return 0;
    if (stream->rate() <= 0) std::abort();
    auto readSome = [&stream] {
        std::vector<std::int16_t> pcm;
        std::size_t got = stream->read(pcm, 4096);
        if (pcm.size() != 2 * got) std::abort();
        return got == 4096;
    };
    for (int i = 0; i < 64 && readSome(); ++i) {
    }
    if (stream->seek(0)) readSome();
    return 0;
}
