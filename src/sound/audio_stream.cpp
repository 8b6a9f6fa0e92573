#include "sound/audio_stream.h"

#include <algorithm>
#include <limits>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace tumblix {

struct AudioStream::Decoder {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* swr = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    int stream = -1;
    std::vector<std::int16_t> ready;  // decoded samples not handed out yet, from readyAt on
    std::size_t readyAt = 0;
    // After a seek: the first frame wanted, counted at the file's rate from its start.
    std::int64_t dropBefore = std::numeric_limits<std::int64_t>::min();
    bool ended = false;
    bool failed = false;

    ~Decoder() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&swr);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    const char* open(const std::string& path) {
        if (!packet || !frame) return "Out of memory.";
        if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0 ||
            avformat_find_stream_info(format, nullptr) < 0)
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
        if (avcodec_open2(codec, decoder, nullptr) < 0 || codec->sample_rate <= 0 ||
            codec->ch_layout.nb_channels <= 0 || !openResampler())
            return "The sound in the file cannot be decoded.";
        return nullptr;
    }

    // To 16-bit stereo at the same rate; mono goes to both sides without the -3 dB of the
    // default matrix.
    bool openResampler() {
        swr_free(&swr);
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        if (swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, codec->sample_rate,
                                &codec->ch_layout, codec->sample_fmt, codec->sample_rate, 0,
                                nullptr) < 0)
            return false;
        if (codec->ch_layout.nb_channels == 1) {
            const double both[2] = {1.0, 1.0};
            if (swr_set_matrix(swr, both, 1) < 0) return false;
        }
        return swr_init(swr) >= 0;
    }

    // Converts count input samples (none: what the resampler still holds) onto `ready`,
    // leaving out those before dropBefore; start: the first one's place in the file, if known.
    bool convert(const std::uint8_t** data, int count, std::int64_t start) {
        int room = swr_get_out_samples(swr, count);
        if (room < 0) return false;
        std::size_t at = ready.size();
        ready.resize(at + 2 * static_cast<std::size_t>(room));
        auto* dst = reinterpret_cast<std::uint8_t*>(ready.data() + at);
        int got = swr_convert(swr, &dst, room, data, count);
        if (got < 0) return false;
        std::int64_t early =
            dropBefore > start ? std::min<std::int64_t>(dropBefore - start, got) : 0;
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
                               AVRational{1, codec->sample_rate});
        if (!convert(const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples,
                     start))
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

AudioStream::AudioStream(std::unique_ptr<Decoder> d) : d_(std::move(d)) {}
AudioStream::~AudioStream() = default;

std::unique_ptr<AudioStream> AudioStream::open(const std::string& path, std::string* why) {
    av_log_set_level(AV_LOG_QUIET);
    auto d = std::make_unique<Decoder>();
    if (const char* fault = d->open(path)) {
        if (why) *why = fault;
        return nullptr;
    }
    return std::unique_ptr<AudioStream>(new AudioStream(std::move(d)));
}

int AudioStream::rate() const {
    return d_->codec->sample_rate;
}

bool AudioStream::failed() const {
    return d_->failed;
}

std::size_t AudioStream::read(std::vector<std::int16_t>& out, std::size_t frames) {
    Decoder& d = *d_;
    std::size_t given = 0;
    while (given < frames) {
        if (d.readyAt == d.ready.size()) {
            d.ready.clear();
            d.readyAt = 0;
            if (d.ended) break;
            d.decodeMore();
            continue;
        }
        std::size_t n = std::min(frames - given, (d.ready.size() - d.readyAt) / 2);
        auto from = d.ready.begin() + static_cast<std::ptrdiff_t>(d.readyAt);
        out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(2 * n));
        d.readyAt += 2 * n;
        given += n;
    }
    return given;
}

bool AudioStream::seek(std::int64_t ms) {
    Decoder& d = *d_;
    if (av_seek_frame(d.format, -1, av_rescale(ms, AV_TIME_BASE, 1000), AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(d.codec);
    d.ready.clear();
    d.readyAt = 0;
    d.dropBefore = av_rescale(ms, d.codec->sample_rate, 1000);
    d.ended = !d.openResampler();
    d.failed = d.ended;
    return !d.ended;
}

}  // namespace tumblix
