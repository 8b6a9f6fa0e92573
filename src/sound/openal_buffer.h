#pragma once

#include <AL/al.h>

#include <array>
#include <memory>

#include "sound/mixer.h"
#include "sound/wave_decoder.h"

namespace tumblix {

// A sound on OpenAL: two sources on one clock, one holding the left channel and one the right,
// both mixed straight to the output channels. Each side has its own gain, which gives the
// balance exactly: the far side loses |pan| hundredths of a decibel.
class OpenAlBuffer final : public MixerBuffer {
  public:
    // Null when OpenAL refuses the sources or buffers.
    static std::unique_ptr<OpenAlBuffer> create(const Pcm& pcm);
    ~OpenAlBuffer() override;

    std::int32_t frequency() const override { return frequency_; }
    void play(bool loop) override;
    void rewind() override;
    void stop() override;

  protected:
    bool applyVolume(int volume) override;
    bool applyFrequency(std::int32_t hz) override;
    bool applyPan(int pan) override;

  private:
    explicit OpenAlBuffer(int rate) : rate_(rate), frequency_(rate) {}
    bool upload(const Pcm& pcm);
    bool applyGains();

    std::array<ALuint, 2> buffers_{};
    std::array<ALuint, 2> sources_{};
    int rate_;
    std::int32_t frequency_;
    int volume_ = 0;
    int pan_ = 0;
};

}  // namespace tumblix
