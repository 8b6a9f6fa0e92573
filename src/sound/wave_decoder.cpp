#include "sound/wave_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace tumblix {

namespace {

// Longer files are refused rather than held in memory: ten minutes of music.
constexpr std::size_t kMaxFrames = 10u * 60u * 192000u;

struct Decoder {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* swr = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    int stream = -1;

    ~Decoder() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&swr);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    bool open(const std::string& path) {
        if (!packet || !frame) return false;
        if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return false;
        if (avformat_find_stream_info(format, nullptr) < 0) return false;
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (stream < 0 || !decoder) return false;
        codec = avcodec_alloc_context3(decoder);
        if (!codec) return false;
        AVStream* s = format->streams[stream];
        if (avcodec_parameters_to_context(codec, s->codecpar) < 0) return false;
        codec->pkt_timebase = s->time_base;
        if (avcodec_open2(codec, decoder, nullptr) < 0) return false;
        return codec->sample_rate > 0 && codec->ch_layout.nb_channels > 0 && openResampler();
    }

    // To 16-bit stereo at the same rate; mono goes to both sides without the -3 dB of the
    // default matrix.
    bool openResampler() {
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

    bool convert(Pcm& out, const std::uint8_t** data, int count) {
        int room = swr_get_out_samples(swr, count);
        if (room < 0) return false;
        std::size_t at = out.samples.size();
        out.samples.resize(at + 2 * static_cast<std::size_t>(room));
        std::uint8_t* dst = reinterpret_cast<std::uint8_t*>(out.samples.data() + at);
        int got = swr_convert(swr, &dst, room, data, count);
        if (got < 0) return false;
        out.samples.resize(at + 2 * static_cast<std::size_t>(got));
        return out.frames() <= kMaxFrames;
    }

    // Takes every frame the decoder has ready; false on a fault that ends the decoding.
    bool drain(Pcm& out) {
        while (true) {
            int r = avcodec_receive_frame(codec, frame);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
            if (r < 0) return false;
            bool ok = convert(out, const_cast<const std::uint8_t**>(frame->extended_data),
                              frame->nb_samples);
            av_frame_unref(frame);
            if (!ok) return false;
        }
    }

    bool decode(Pcm& out) {
        out.rate = codec->sample_rate;
        while (av_read_frame(format, packet) >= 0) {
            bool ours = packet->stream_index == stream;
            // A damaged packet is skipped; the rest of the file still plays.
            if (ours) avcodec_send_packet(codec, packet);
            av_packet_unref(packet);
            if (ours && !drain(out)) return false;
        }
        avcodec_send_packet(codec, nullptr);
        return drain(out) && convert(out, nullptr, 0);
    }
};

}  // namespace

std::optional<Pcm> decodeSound(const std::string& path) {
    av_log_set_level(AV_LOG_QUIET);
    Decoder d;
    Pcm pcm;
    if (!d.open(path) || !d.decode(pcm) || pcm.frames() == 0) return std::nullopt;
    return pcm;
}

}  // namespace tumblix
