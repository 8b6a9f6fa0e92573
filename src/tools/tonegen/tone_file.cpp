// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone_file.h"

#include <cmath>
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace tonegen {

namespace {

// Sends a frame (none: the end) and writes every packet the encoder gives back.
bool encode(AVCodecContext* c, const AVFrame* frame, AVFormatContext* out, AVPacket* p) {
    if (avcodec_send_frame(c, frame) < 0) return false;
    while (avcodec_receive_packet(c, p) >= 0) {
        av_packet_rescale_ts(p, c->time_base, out->streams[0]->time_base);
        if (av_interleaved_write_frame(out, p) < 0) return false;
    }
    return true;
}

// Fills every channel of the frame, planar or interleaved, with the sine from sample `from` on.
void sine(AVFrame* f, double hz, int rate, int from, int total) {
    auto format = static_cast<AVSampleFormat>(f->format);
    int channels = f->ch_layout.nb_channels;
    bool planar = av_sample_fmt_is_planar(format);
    for (int i = 0; i < f->nb_samples; ++i) {
        int n = from + i;
        double v = n < total ? 0.5 * std::sin(2 * M_PI * hz * n / rate) : 0;
        for (int c = 0; c < channels; ++c) {
            std::uint8_t* plane = f->extended_data[planar ? c : 0];
            int at = planar ? i : i * channels + c;
            switch (av_get_packed_sample_fmt(format)) {
                case AV_SAMPLE_FMT_U8:
                    plane[at] = std::uint8_t(128 + v * 127);
                    break;
                case AV_SAMPLE_FMT_S16:
                    reinterpret_cast<std::int16_t*>(plane)[at] = std::int16_t(v * 32767);
                    break;
                case AV_SAMPLE_FMT_S32:
                    reinterpret_cast<std::int32_t*>(plane)[at] = std::int32_t(v * 2147483647.0);
                    break;
                case AV_SAMPLE_FMT_DBL:
                    reinterpret_cast<double*>(plane)[at] = v;
                    break;
                default:
                    reinterpret_cast<float*>(plane)[at] = float(v);
            }
        }
    }
}

}  // namespace

bool writeTone(const std::string& path, const char* encoder, double hz, double seconds, int rate,
               int channels) {
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder);
    AVFormatContext* out = nullptr;
    if (!codec || avformat_alloc_output_context2(&out, nullptr, nullptr, path.c_str()) < 0)
        return false;
    AVStream* stream = avformat_new_stream(out, nullptr);
    AVCodecContext* c = avcodec_alloc_context3(codec);
    c->sample_rate = rate;
    av_channel_layout_default(&c->ch_layout, channels);
    c->sample_fmt = codec->sample_fmts[0];
    c->bit_rate = 128000;
    c->time_base = stream->time_base = {1, rate};
    AVFrame* f = av_frame_alloc();
    AVPacket* p = av_packet_alloc();
    bool ok = avcodec_open2(c, codec, nullptr) >= 0 &&
              avcodec_parameters_from_context(stream->codecpar, c) >= 0 &&
              avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0 &&
              avformat_write_header(out, nullptr) >= 0;
    int total = int(seconds * rate);
    int step = c->frame_size > 0 ? c->frame_size : 1024;  // PCM encoders take any size
    for (int at = 0; ok && at < total; at += step) {
        f->nb_samples = step;
        f->format = c->sample_fmt;
        f->pts = at;
        ok = av_channel_layout_copy(&f->ch_layout, &c->ch_layout) >= 0 &&
             av_frame_get_buffer(f, 0) >= 0;
        if (ok) sine(f, hz, rate, at, total);
        ok = ok && encode(c, f, out, p);
        av_frame_unref(f);
    }
    ok = ok && encode(c, nullptr, out, p) && av_write_trailer(out) >= 0;
    av_packet_free(&p);
    av_frame_free(&f);
    avcodec_free_context(&c);
    if (out->pb) avio_closep(&out->pb);
    avformat_free_context(out);
    return ok;
}

}  // namespace tonegen
