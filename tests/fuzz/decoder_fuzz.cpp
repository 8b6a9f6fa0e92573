// SPDX-License-Identifier: GPL-3.0-or-later
// The sound decoders on any bytes: our wave reader, whole and piece by piece with a seek, and
// FFmpeg's decoding read from memory through the same opening, probing, decoding and
// resampling as a sound file: up to a few seconds of it, then again from the start. They must
// never crash, and every read gives the frames it says.
#include <cstdlib>
#include <sstream>

#include "sound/ffmpeg_stream.h"
#include "sound/wave_reader.h"
#include "sound/wave_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    if (auto wave = tumblix::readWave(in); wave && (wave->rate <= 0 || wave->frames() == 0))
        std::abort();
    if (auto wave = tumblix::WaveStream::open(std::make_unique<std::istringstream>(bytes))) {
        std::vector<std::int16_t> pcm;  // a piece, then one from a place the bytes choose
        std::size_t got = wave->read(pcm, 4096);
        wave->seek(static_cast<std::int64_t>(size % 4001));
        if ((got += wave->read(pcm, 4096)) * 2 != pcm.size()) std::abort();
    }
    auto stream = tumblix::FfmpegStream::openBytes(std::move(bytes));
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
