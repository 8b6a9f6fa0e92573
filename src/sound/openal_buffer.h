// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/al.h>

#include <array>
#include <memory>

#include "sound/mixer.h"
#include "sound/openal_device.h"
#include "sound/wave_decoder.h"

namespace tumblix {

// A sound on OpenAL: two sources on one clock, one holding the left channel and one the right,
// both mixed straight to the output channels. Each side has its own gain, which gives the
// balance exactly: the far side loses |pan| hundredths of a decibel. Once its device is closed
// the sound is silent and its calls do nothing.
class OpenAlBuffer final : public MixerBuffer {
  public:
    // Made on the device, whose context is current; null when OpenAL refuses the sources or
    // buffers.
    static std::unique_ptr<OpenAlBuffer> create(const Pcm& pcm,
                                                std::shared_ptr<const OpenAlDevice> device);
    ~OpenAlBuffer() override;

    std::int32_t frequency() const override { return frequency_; }
    bool lost() const override { return !device_->connected(); }
    void play(bool loop) override;
    void rewind() override;
    void stop() override;

  protected:
    bool applyVolume(int volume) override;
    bool applyFrequency(std::int32_t hz) override;
    bool applyPan(int pan) override;

  private:
    OpenAlBuffer(int rate, std::shared_ptr<const OpenAlDevice> device)
        : device_(std::move(device)), rate_(rate), frequency_(rate) {}
    bool upload(const Pcm& pcm);
    bool applyGains();

    std::shared_ptr<const OpenAlDevice> device_;
    std::array<ALuint, 2> buffers_{};
    std::array<ALuint, 2> sources_{};
    int rate_;
    std::int32_t frequency_;
    int volume_ = 0;
    int pan_ = 0;
};

}  // namespace tumblix
