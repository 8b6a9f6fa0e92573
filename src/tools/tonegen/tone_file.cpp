#include "tone_file.h"

#include <cmath>
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace tonegen {

namespace {

constexpr int kRate = 44100;

// Sends a frame (none: the end) and writes every packet the encoder gives back.
bool encode(AVCodecContext* c, const AVFrame* frame, AVFormatContext* out, AVPacket* p) {
    if (avcodec_send_frame(c, frame) < 0) return false;
    while (avcodec_receive_packet(c, p) >= 0) {
        av_packet_rescale_ts(p, c->time_base, out->streams[0]->time_base);
        if (av_interleaved_write_frame(out, p) < 0) return false;
    }
    return true;
}

void sine(AVFrame* f, AVSampleFormat format, double hz, int from, int total) {
    for (int i = 0; i < f->nb_samples; ++i) {
        int n = from + i;
        double v = n < total ? 0.5 * std::sin(2 * M_PI * hz * n / kRate) : 0;
        if (format == AV_SAMPLE_FMT_S16 || format == AV_SAMPLE_FMT_S16P)
            reinterpret_cast<std::int16_t*>(f->data[0])[i] = std::int16_t(v * 32767);
        else if (format == AV_SAMPLE_FMT_S32P)
            reinterpret_cast<std::int32_t*>(f->data[0])[i] = std::int32_t(v * 2147483647.0);
        else
            reinterpret_cast<float*>(f->data[0])[i] = float(v);
    }
}

}  // namespace

bool writeTone(const std::string& path, const char* encoder, double hz, double seconds) {
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder);
    AVFormatContext* out = nullptr;
    if (!codec || avformat_alloc_output_context2(&out, nullptr, nullptr, path.c_str()) < 0)
        return false;
    AVStream* stream = avformat_new_stream(out, nullptr);
    AVCodecContext* c = avcodec_alloc_context3(codec);
    c->sample_rate = kRate;
    c->ch_layout = AV_CHANNEL_LAYOUT_MONO;
    c->sample_fmt = codec->sample_fmts[0];
    c->bit_rate = 128000;
    c->time_base = stream->time_base = {1, kRate};
    AVFrame* f = av_frame_alloc();
    AVPacket* p = av_packet_alloc();
    bool ok = avcodec_open2(c, codec, nullptr) >= 0 &&
              avcodec_parameters_from_context(stream->codecpar, c) >= 0 &&
              avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0 &&
              avformat_write_header(out, nullptr) >= 0;
    int total = int(seconds * kRate);
    for (int at = 0; ok && at < total; at += c->frame_size) {
        f->nb_samples = c->frame_size;
        f->format = c->sample_fmt;
        f->pts = at;
        ok = av_channel_layout_copy(&f->ch_layout, &c->ch_layout) >= 0 &&
             av_frame_get_buffer(f, 0) >= 0;
        if (ok) sine(f, c->sample_fmt, hz, at, total);
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
