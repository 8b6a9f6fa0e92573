// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/al.h>
#include <AL/alext.h>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

#include "sound/mixer.h"
#include "sound/openal_device.h"

namespace tumblix {

// A sound on OpenAL: two sources on one clock, one playing the left channel and one the right,
// both mixed straight to the output channels. Each side has its own gain, which gives the
// balance exactly: the far side loses |pan| hundredths of a decibel. The sources are the
// subclass's, which holds their sound. Once its device is closed the sound is silent and its
// calls do nothing.
class OpenAlVoice : public MixerBuffer {
  public:
    std::int32_t frequency() const override { return frequency_; }
    bool lost() const override { return !device_->connected(); }
    void stop() override;

  protected:
    OpenAlVoice(int rate, std::shared_ptr<const OpenAlDevice> device)
        : device_(std::move(device)), rate_(rate), frequency_(rate) {}
    bool applyVolume(int volume) override;
    bool applyFrequency(std::int32_t hz) override;
    bool applyPan(int pan) override;
    bool applyGains();
    // Sets the pitch for the frequency asked, under the device's lock; nothing while the sound's
    // own rate is not known yet.
    bool applyPitch();

    // Runs a change of both sources within one mixing step, so they never drift apart, under
    // the device's lock; on a closed device, nothing.
    template <typename F>
    bool together(F change) {
        std::lock_guard hold(device_->lock());
        if (!device_->open()) return false;
        alGetError();
        alDeferUpdatesSOFT();
        change();
        alProcessUpdatesSOFT();
        return alGetError() == AL_NO_ERROR;
    }

    std::shared_ptr<const OpenAlDevice> device_;
    std::array<ALuint, 2> sources_{};
    int rate_;  // the sound's own, 0 until known; under the device's lock
    std::atomic<std::int32_t> frequency_;

  private:
    std::int32_t asked_ = 0;  // the frequency last accepted, 0 for the own rate
    int volume_ = 0;
    int pan_ = 0;
};

}  // namespace tumblix
