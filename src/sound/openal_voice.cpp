// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/openal_voice.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tumblix {

double volumeGain(int volume) {
    return volume <= MixerBuffer::kMinVolume ? 0.0 : std::pow(10.0, volume / 2000.0);
}

void OpenAlVoice::stop() {
    together([&] { alSourcePausev(2, sources_.data()); });
}

bool OpenAlVoice::applyVolume(int volume) {
    volume_ = volume;
    return applyGains();
}

bool OpenAlVoice::applyPan(int pan) {
    pan_ = pan;
    return applyGains();
}

// The far side of the balance is the quieter: a pan to the right lowers the left side.
bool OpenAlVoice::applyGains() {
    float left = static_cast<float>(volumeGain(volume_ - std::max(pan_, 0)));
    float right = static_cast<float>(volumeGain(volume_ + std::min(pan_, 0)));
    return together([&] {
        alSourcef(sources_[0], AL_GAIN, left);
        alSourcef(sources_[1], AL_GAIN, right);
    });
}

bool OpenAlVoice::applyFrequency(std::int32_t hz) {
    bool ok = true;
    return together([&] {
               const std::int32_t was = std::exchange(asked_, hz);
               if (!(ok = applyPitch())) asked_ = was;
           }) &&
           ok;
}

bool OpenAlVoice::applyPitch() {
    if (rate_ <= 0) return true;
    std::int32_t f = asked_ == 0 ? rate_ : asked_;
    float pitch = static_cast<float>(static_cast<double>(f) / rate_);
    for (ALuint s : sources_) alSourcef(s, AL_PITCH, pitch);
    if (alGetError() != AL_NO_ERROR) return false;
    frequency_ = f;
    return true;
}

}  // namespace tumblix
