// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <memory>

#include "sound/adpcm.h"
#include "sound/wave_stream.h"

namespace tumblix {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kMsAdpcm = 2;
constexpr std::uint16_t kImaAdpcm = 0x11;
constexpr int kMaxRate = 1 << 20;
// A read covers this many bytes of sound at most, in whole blocks.
constexpr std::size_t kReadBytes = 1 << 16;

std::uint32_t le(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    int rate = 0;
    std::size_t blockAlign = 0;
    int bits = 0;

    // Only the kinds and fields this reader decodes as FFmpeg does.
    bool usual() const {
        if (channels < 1 || channels > 2 || rate < 1 || rate > kMaxRate) return false;
        const auto n = static_cast<std::size_t>(channels);
        switch (tag) {
            case kPcm:
                return (bits == 8 || bits == 16) &&
                       blockAlign == n * static_cast<unsigned>(bits) / 8;
            case kImaAdpcm:
                return bits == 4 && blockAlign > 4 * n && (blockAlign - 4 * n) % (4 * n) == 0;
            case kMsAdpcm:
                return bits == 4 && blockAlign >= 7 * n;
            default:
                return false;
        }
    }
};

// Finds the format and the sound's bytes: the data chunk, cut at the end of the file.
class WaveFile {
  public:
    explicit WaveFile(std::istream& in) : in_(in) {}

    // True with the stream at the sound's first byte.
    bool find(Format& format, std::uint64_t& bytes) {
        std::array<std::uint8_t, 12> riff{};
        if (!read(riff.data(), riff.size()) || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
            std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
            return false;
        bool haveFormat = false;
        std::array<std::uint8_t, 8> chunk{};
        while (read(chunk.data(), chunk.size())) {
            const std::uint32_t size = le(chunk.data() + 4, 4);
            if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
                std::array<std::uint8_t, 16> f{};
                if (haveFormat || size < f.size() || size > 256 || !read(f.data(), f.size()))
                    return false;
                format = {static_cast<std::uint16_t>(le(&f[0], 2)), static_cast<int>(le(&f[2], 2)),
                          static_cast<int>(std::min<std::uint32_t>(le(&f[4], 4), kMaxRate + 1)),
                          le(&f[12], 2), static_cast<int>(le(&f[14], 2))};
                haveFormat = true;
                in_.seekg(size - f.size() + (size & 1), std::ios::cur);
            } else if (std::memcmp(chunk.data(), "data", 4) == 0) {
                const std::streamoff at = in_.tellg();
                in_.seekg(0, std::ios::end);
                const std::streamoff end = in_.tellg();
                in_.seekg(at);
                bytes = std::min<std::uint64_t>(size, static_cast<std::uint64_t>(end - at));
                return haveFormat && format.usual() && size != 0 && in_.good();
            } else {
                in_.seekg(size + (size & 1), std::ios::cur);
            }
        }
        return false;
    }
    bool read(std::uint8_t* to, std::size_t n) {
        in_.read(reinterpret_cast<char*>(to), static_cast<std::streamsize>(n));
        return static_cast<std::size_t>(in_.gcount()) == n;
    }

  private:
    std::istream& in_;
};

// Whole frames of PCM; a cut frame at the end is left out.
void decodePcm(const std::uint8_t* data, std::size_t size, const Format& f,
               std::vector<std::int16_t>& out) {
    const std::size_t frames = size / f.blockAlign;
    for (std::size_t i = 0; i < frames; ++i) {
        std::array<std::int16_t, 2> s{};
        for (std::size_t c = 0; c < static_cast<std::size_t>(f.channels); ++c) {
            const std::uint8_t* p =
                data + i * f.blockAlign + c * static_cast<std::size_t>(f.bits / 8);
            s[c] = f.bits == 8 ? static_cast<std::int16_t>((p[0] - 128) * 256)
                               : static_cast<std::int16_t>(le(p, 2));
        }
        out.push_back(s[0]);
        out.push_back(f.channels == 2 ? s[1] : s[0]);
    }
}

// The frames one block gives.
std::size_t blockFrames(const Format& f) {
    const auto n = static_cast<std::size_t>(f.channels);
    switch (f.tag) {
        case kImaAdpcm:
            return 1 + (f.blockAlign - 4 * n) / (4 * n) * 8;
        case kMsAdpcm:
            return 2 + (f.blockAlign - 7 * n) * 2 / n;
        default:
            return 1;
    }
}

}  // namespace

struct WaveStream::State {
    explicit State(std::unique_ptr<std::istream> from) : owned(std::move(from)), in(*owned) {}
    std::unique_ptr<std::istream> owned;
    std::istream& in;
    WaveFile file{in};
    Format format;
    std::streamoff dataAt = 0;
    std::uint64_t bytes = 0, left = 0;  // of the sound, the part cut off by the file's end left out
    std::vector<std::uint8_t> block;
    std::vector<std::int16_t> ready;  // decoded samples not handed out yet, from readyAt on
    std::size_t readyAt = 0;
    std::size_t drop = 0;  // frames to leave out after a seek into a block
    bool failed = false;

    // Decodes the next read's worth of whole blocks onto `ready`; false at the end or a fault.
    bool decodeMore() {
        const Format& f = format;
        const std::size_t step = std::max<std::size_t>(1, kReadBytes / f.blockAlign) * f.blockAlign;
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(left, step));
        if (n == 0) return false;
        block.resize(n);
        // Cut short, the file was changed since it was opened.
        if (!file.read(block.data(), n)) return !(failed = true);
        left -= n;
        if (f.tag == kPcm) decodePcm(block.data(), n, f, ready);
        for (std::size_t at = 0; f.tag != kPcm && at < n; at += f.blockAlign) {
            const std::size_t size = std::min(f.blockAlign, n - at);
            if (!(f.tag == kImaAdpcm ? decodeImaBlock : decodeMsBlock)(block.data() + at, size,
                                                                       f.channels, ready))
                return !(failed = true);
        }
        const std::size_t dropped = std::min(drop, ready.size() / 2);
        ready.erase(ready.begin(), ready.begin() + static_cast<std::ptrdiff_t>(2 * dropped));
        drop -= dropped;
        return true;
    }
};

WaveStream::WaveStream(std::unique_ptr<State> s) : s_(std::move(s)) {}
WaveStream::~WaveStream() = default;

std::unique_ptr<WaveStream> WaveStream::open(const std::string& path) {
    return open(std::make_unique<std::ifstream>(path, std::ios::binary));
}

std::unique_ptr<WaveStream> WaveStream::open(std::unique_ptr<std::istream> in) {
    auto s = std::make_unique<State>(std::move(in));
    if (!s->file.find(s->format, s->bytes)) return nullptr;
    s->left = s->bytes;
    s->dataAt = s->in.tellg();
    return std::unique_ptr<WaveStream>(new WaveStream(std::move(s)));
}

int WaveStream::rate() const {
    return s_->format.rate;
}

bool WaveStream::failed() const {
    return s_->failed;
}

std::size_t WaveStream::read(std::vector<std::int16_t>& out, std::size_t frames) {
    return handOut(s_->ready, s_->readyAt, out, frames, [this] { return s_->decodeMore(); });
}

// To the block holding the frame, whose frames before it are then left out.
bool WaveStream::seek(std::int64_t ms) {
    State& s = *s_;
    const std::size_t perBlock = blockFrames(s.format);
    const auto frame = static_cast<std::uint64_t>(std::max<std::int64_t>(ms, 0)) *
                       static_cast<std::uint64_t>(s.format.rate) / 1000;
    const std::uint64_t offset = std::min(frame / perBlock * s.format.blockAlign, s.bytes);
    s.in.clear();
    s.in.seekg(s.dataAt + static_cast<std::streamoff>(offset));
    s.left = s.bytes - offset;
    s.drop = static_cast<std::size_t>(frame % perBlock);
    s.ready.clear();
    s.readyAt = 0;
    s.failed = false;
    return s.in.good();
}

std::optional<Pcm> readWave(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return readWave(in);
}

std::optional<Pcm> readWave(std::istream& in) {
    std::unique_ptr<WaveStream> stream =
        WaveStream::open(std::unique_ptr<std::istream>(new std::istream(in.rdbuf())));
    return stream ? decodeWhole(*stream) : std::nullopt;
}

}  // namespace tumblix
