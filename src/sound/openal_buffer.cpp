// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/openal_buffer.h"

#include <AL/alext.h>

#include <cmath>

namespace tumblix {

double volumeGain(int volume) {
    return volume <= MixerBuffer::kMinVolume ? 0.0 : std::pow(10.0, volume / 2000.0);
}

namespace {

// Runs a change of both sources within one mixing step, so they never drift apart; on a closed
// device, nothing.
template <typename F>
bool together(const OpenAlDevice& device, F change) {
    if (!device.open()) return false;
    alGetError();
    alDeferUpdatesSOFT();
    change();
    alProcessUpdatesSOFT();
    return alGetError() == AL_NO_ERROR;
}

}  // namespace

std::unique_ptr<OpenAlBuffer> OpenAlBuffer::create(const Pcm& pcm,
                                                   std::shared_ptr<const OpenAlDevice> device) {
    std::unique_ptr<OpenAlBuffer> b(new OpenAlBuffer(pcm.rate, std::move(device)));
    return b->upload(pcm) ? std::move(b) : nullptr;
}

bool OpenAlBuffer::upload(const Pcm& pcm) {
    alGetError();
    alGenBuffers(2, buffers_.data());
    if (alGetError() != AL_NO_ERROR) return buffers_ = {}, false;
    alGenSources(2, sources_.data());
    if (alGetError() != AL_NO_ERROR) return sources_ = {}, false;
    std::vector<std::int16_t> side(pcm.samples.size());
    for (std::size_t channel = 0; channel < 2; ++channel) {
        for (std::size_t i = 0; i < side.size(); ++i)
            side[i] = i % 2 == channel ? pcm.samples[i] : 0;
        alBufferData(buffers_[channel], AL_FORMAT_STEREO16, side.data(),
                     static_cast<ALsizei>(side.size() * sizeof(std::int16_t)), pcm.rate);
        alSourcei(sources_[channel], AL_BUFFER, static_cast<ALint>(buffers_[channel]));
        alSourcei(sources_[channel], AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    }
    return alGetError() == AL_NO_ERROR && applyGains();
}

// The sources and buffers of a closed device went with it.
OpenAlBuffer::~OpenAlBuffer() {
    if (!device_->open()) return;
    alDeleteSources(2, sources_.data());
    alDeleteBuffers(2, buffers_.data());
}

// Goes on from the current position: a source that plays already only takes the looping
// flag, since OpenAL would start it over.
void OpenAlBuffer::play(bool loop) {
    ALint state = AL_STOPPED;
    if (device_->open()) alGetSourcei(sources_[0], AL_SOURCE_STATE, &state);
    together(*device_, [&] {
        for (ALuint s : sources_) alSourcei(s, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        if (state != AL_PLAYING) alSourcePlayv(2, sources_.data());
    });
}

void OpenAlBuffer::rewind() {
    together(*device_, [&] {
        for (ALuint s : sources_) alSourcei(s, AL_SAMPLE_OFFSET, 0);
    });
}

void OpenAlBuffer::stop() {
    together(*device_, [&] { alSourcePausev(2, sources_.data()); });
}

bool OpenAlBuffer::applyVolume(int volume) {
    volume_ = volume;
    return applyGains();
}

bool OpenAlBuffer::applyPan(int pan) {
    pan_ = pan;
    return applyGains();
}

// The far side of the balance is the quieter: a pan to the right lowers the left side.
bool OpenAlBuffer::applyGains() {
    float left = static_cast<float>(volumeGain(volume_ - std::max(pan_, 0)));
    float right = static_cast<float>(volumeGain(volume_ + std::min(pan_, 0)));
    return together(*device_, [&] {
        alSourcef(sources_[0], AL_GAIN, left);
        alSourcef(sources_[1], AL_GAIN, right);
    });
}

bool OpenAlBuffer::applyFrequency(std::int32_t hz) {
    std::int32_t f = hz == 0 ? rate_ : hz;
    float pitch = static_cast<float>(static_cast<double>(f) / rate_);
    bool ok = together(*device_, [&] {
        for (ALuint s : sources_) alSourcef(s, AL_PITCH, pitch);
    });
    if (ok) frequency_ = f;
    return ok;
}

}  // namespace tumblix
