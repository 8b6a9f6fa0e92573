// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "sound/openal_voice.h"
#include "sound/wave_decoder.h"

namespace tumblix {

// A sound held whole on OpenAL, its left and right channels in a buffer each.
class OpenAlBuffer final : public OpenAlVoice {
  public:
    // Made on the device, whose context is current; null when OpenAL refuses the sources or
    // buffers.
    static std::unique_ptr<OpenAlBuffer> create(const Pcm& pcm,
                                                std::shared_ptr<const OpenAlDevice> device);
    ~OpenAlBuffer() override;

    void play(bool loop) override;
    void rewind() override;

  private:
    OpenAlBuffer(int rate, std::shared_ptr<const OpenAlDevice> device)
        : OpenAlVoice(rate, std::move(device)) {}
    bool upload(const Pcm& pcm);

    std::array<ALuint, 2> buffers_{};
};

}  // namespace tumblix
