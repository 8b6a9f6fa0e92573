// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/ffmpeg_stream.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "sound/media_input.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace tumblix {

namespace {

// Opening reads at most this much of a file, for at most this long: enough for any sound file
// with a large picture in its tags, and a file of another kind is refused without a wait.
constexpr std::int64_t kOpenBytes = 16 << 20;
constexpr auto kOpenTime = std::chrono::seconds(3);
constexpr std::int64_t kProbeBytes = 4 << 20;
// A format told only by the file's name or by a lone frame header is no sound file: a program
// renamed ".mp3" is taken for MP3 with a score of 1, a sound of a few frames scores 5 or more.
constexpr int kMinProbeScore = 5;
// Beyond this many frames from one packet the sound is taken as damaged.
constexpr int kMaxFramesAtOnce = 1 << 22;
// No block FFmpeg allocates may be larger than this: some of its readers take a header's word
// for the size of what follows (a wave file's tag chunk declaring 1.4 GB in a file of 161 bytes
// was allocated and cleared whole), so the cost of a damaged file stays bounded whatever it
// declares. Sound files need far less: opening reads no more than kOpenBytes at all.
constexpr std::size_t kMaxAllocation = kOpenBytes;

int interrupted(void* input) {
    return static_cast<const MediaInput*>(input)->stopped() ? 1 : 0;
}

}  // namespace

struct FfmpegStream::Decoder {
    std::unique_ptr<MediaInput> input;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    int rate = 0;  // what comes out, the rate the sound starts with
    // The resampler and the form of the samples it was set up for.
    SwrContext* swr = nullptr;
    int swrRate = 0;
    AVSampleFormat swrFormat = AV_SAMPLE_FMT_NONE;
    AVChannelLayout swrLayout{};
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    int stream = -1;
    std::vector<std::int16_t> ready;  // decoded samples not handed out yet, from readyAt on
    std::size_t readyAt = 0;
    // After a seek: the first frame wanted, counted at the output rate from the start.
    std::int64_t dropBefore = std::numeric_limits<std::int64_t>::min();
    bool ended = false;
    bool failed = false;

    explicit Decoder(std::unique_ptr<MediaInput> in) : input(std::move(in)) {}
    ~Decoder() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&swr);
        av_channel_layout_uninit(&swrLayout);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    const char* open(const std::string& name, const std::atomic<bool>* stop) {
        if (!packet || !frame || !input->io() || !(format = avformat_alloc_context()))
            return "Out of memory.";
        format->pb = input->io();
        format->probesize = kProbeBytes;
        format->max_analyze_duration = 5 * AV_TIME_BASE;
        format->interrupt_callback = {&interrupted, input.get()};
        input->stopWhen(stop);
        input->bound(kOpenBytes, std::chrono::steady_clock::now() + kOpenTime);
        const char* fault = probe(name);
        input->unbound();
        input->stopWhen(nullptr);
        return fault;
    }

    // The name's extension helps to tell the format, as it would for FFmpeg's own file reading.
    const char* probe(const std::string& name) {
        if (avformat_open_input(&format, name.c_str(), nullptr, nullptr) < 0 ||
            format->probe_score < kMinProbeScore || avformat_find_stream_info(format, nullptr) < 0)
            return "The file cannot be read as a media file.";
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (stream < 0 || !decoder) return "The file holds no sound that can be played.";
        codec = avcodec_alloc_context3(decoder);
        if (!codec) return "Out of memory.";
        AVStream* s = format->streams[stream];
        if (avcodec_parameters_to_context(codec, s->codecpar) < 0) return "Bad codec parameters.";
        // Without the packets' time base, seeks in MP3 files come out late.
        codec->pkt_timebase = s->time_base;
        rate = codec->sample_rate;
        if (avcodec_open2(codec, decoder, nullptr) < 0 || rate <= 0 ||
            !setUp(rate, codec->sample_fmt, codec->ch_layout))
            return "The sound in the file cannot be decoded.";
        return nullptr;
    }

    // Sets the resampler up for samples of this form, to 16-bit stereo at the output rate; mono
    // goes to both sides without the -3 dB of the default matrix.
    bool setUp(int inRate, AVSampleFormat inFormat, const AVChannelLayout& inLayout) {
        swr_free(&swr);
        av_channel_layout_uninit(&swrLayout);
        if (inRate <= 0 || av_channel_layout_copy(&swrLayout, &inLayout) < 0) return false;
        swrRate = inRate;
        swrFormat = inFormat;
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        bool ok = swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, rate, &swrLayout, inFormat,
                                      inRate, 0, nullptr) >= 0;
        if (ok && inLayout.nb_channels == 1) {
            const double both[2] = {1.0, 1.0};
            ok = swr_set_matrix(swr, both, 1) >= 0;
        }
        if (!ok || swr_init(swr) < 0) swr_free(&swr);
        return swr != nullptr;
    }

    // A stream may change its rate, channels or sample format from one frame to the next (files
    // joined from several recordings): the resampler follows, after giving out what it holds.
    bool setUpFor(const AVFrame& f) {
        auto form = static_cast<AVSampleFormat>(f.format);
        if (swr && f.sample_rate == swrRate && form == swrFormat &&
            av_channel_layout_compare(&f.ch_layout, &swrLayout) == 0)
            return true;
        return convert(nullptr, 0, dropBefore) && setUp(f.sample_rate, form, f.ch_layout);
    }

    // Converts count input samples (none: what the resampler still holds) onto `ready`,
    // leaving out those before dropBefore; start: the first one's place in the file, if known.
    bool convert(const std::uint8_t** data, int count, std::int64_t start) {
        if (!swr) return count == 0;
        int room = swr_get_out_samples(swr, count);
        if (room < 0 || room > kMaxFramesAtOnce) return false;
        std::size_t at = ready.size();
        ready.resize(at + 2 * static_cast<std::size_t>(room));
        auto* dst = reinterpret_cast<std::uint8_t*>(ready.data() + at);
        int got = swr_convert(swr, &dst, room, data, count);
        if (got < 0) return false;
        std::int64_t early = 0;
        if (dropBefore > start) early = start < dropBefore - got ? got : dropBefore - start;
        ready.resize(at + 2 * static_cast<std::size_t>(got));
        ready.erase(ready.begin() + static_cast<std::ptrdiff_t>(at),
                    ready.begin() + static_cast<std::ptrdiff_t>(at + 2 * early));
        return true;
    }

    void takeFrame() {
        std::int64_t start =
            frame->best_effort_timestamp == AV_NOPTS_VALUE
                ? dropBefore
                : av_rescale_q(frame->best_effort_timestamp, format->streams[stream]->time_base,
                               AVRational{1, rate});
        if (!setUpFor(*frame) || !convert(const_cast<const std::uint8_t**>(frame->extended_data),
                                          frame->nb_samples, start))
            failed = ended = true;
        av_frame_unref(frame);
    }

    // Decodes until some samples are ready or the sound ends. A damaged packet is skipped;
    // the rest of the file still plays.
    void decodeMore() {
        while (!ended && readyAt == ready.size()) {
            int r = avcodec_receive_frame(codec, frame);
            if (r >= 0) {
                takeFrame();
            } else if (r == AVERROR_EOF) {
                ended = true;
                if (!convert(nullptr, 0, dropBefore)) failed = true;
            } else if (r != AVERROR(EAGAIN)) {
                failed = ended = true;
            } else if (av_read_frame(format, packet) < 0) {
                avcodec_send_packet(codec, nullptr);
            } else {
                if (packet->stream_index == stream) avcodec_send_packet(codec, packet);
                av_packet_unref(packet);
            }
        }
    }
};

FfmpegStream::FfmpegStream(std::unique_ptr<Decoder> d) : d_(std::move(d)) {}
FfmpegStream::~FfmpegStream() = default;

std::unique_ptr<AudioStream> FfmpegStream::start(std::unique_ptr<MediaInput> input,
                                                 const std::string& name, std::string* why,
                                                 const std::atomic<bool>* stop) {
    av_log_set_level(AV_LOG_QUIET);
    av_max_alloc(kMaxAllocation);
    const char* fault = "The file cannot be opened.";
    if (input) {
        auto d = std::make_unique<Decoder>(std::move(input));
        fault = d->open(name, stop);
        if (!fault) return std::unique_ptr<AudioStream>(new FfmpegStream(std::move(d)));
    }
    if (why) *why = fault;
    return nullptr;
}

std::unique_ptr<AudioStream> FfmpegStream::openFile(const std::string& path, std::string* why,
                                                    const std::atomic<bool>* stop) {
    return start(MediaInput::file(path), path, why, stop);
}

std::unique_ptr<AudioStream> FfmpegStream::openBytes(std::string bytes, std::string* why) {
    return start(MediaInput::bytes(std::move(bytes)), "", why, nullptr);
}

int FfmpegStream::rate() const {
    return d_->rate;
}

bool FfmpegStream::failed() const {
    return d_->failed;
}

std::size_t FfmpegStream::read(std::vector<std::int16_t>& out, std::size_t frames) {
    Decoder& d = *d_;
    return handOut(d.ready, d.readyAt, out, frames, [&d] {
        if (d.ended) return false;
        d.decodeMore();
        return true;
    });
}

// The resampler starts afresh with the first frame after the seek.
bool FfmpegStream::seek(std::int64_t ms) {
    Decoder& d = *d_;
    d.ready.clear();
    d.readyAt = 0;
    swr_free(&d.swr);
    if (av_seek_frame(d.format, -1, av_rescale(ms, AV_TIME_BASE, 1000), AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(d.codec);
    d.dropBefore = av_rescale(ms, d.rate, 1000);
    d.ended = d.failed = false;
    return true;
}

}  // namespace tumblix
