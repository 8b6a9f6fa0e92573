// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/openal_buffer.h"

namespace tumblix {

std::unique_ptr<OpenAlBuffer> OpenAlBuffer::create(const Pcm& pcm,
                                                   std::shared_ptr<const OpenAlDevice> device) {
    std::unique_ptr<OpenAlBuffer> b(new OpenAlBuffer(pcm.rate, std::move(device)));
    return b->upload(pcm) ? std::move(b) : nullptr;
}

// Under the device's lock, so that no other thread's fault is taken for this one's.
bool OpenAlBuffer::upload(const Pcm& pcm) {
    std::unique_lock hold(device_->lock());
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
    bool ok = alGetError() == AL_NO_ERROR;
    hold.unlock();
    return ok && applyGains();
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
    together([&] {
        for (ALuint s : sources_) alSourcei(s, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        if (state != AL_PLAYING) alSourcePlayv(2, sources_.data());
    });
}

void OpenAlBuffer::rewind() {
    together([&] {
        for (ALuint s : sources_) alSourcei(s, AL_SAMPLE_OFFSET, 0);
    });
}

}  // namespace tumblix
