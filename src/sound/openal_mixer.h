#pragma once

#include <AL/alc.h>

#include <memory>
#include <string>

#include "sound/mixer.h"

namespace tumblix {

// The mixer on OpenAL Soft: the program's one device and context, opened at the first load.
// Without a device, or after it disappeared, every load fails quietly.
class OpenAlMixer final : public Mixer {
  public:
    OpenAlMixer() = default;
    ~OpenAlMixer() override;
    OpenAlMixer(const OpenAlMixer&) = delete;
    OpenAlMixer& operator=(const OpenAlMixer&) = delete;

    std::unique_ptr<MixerBuffer> load(const std::string& path) override;
    // True while the device is open and still connected.
    bool deviceReady();

  private:
    bool open();

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool tried_ = false;
};

}  // namespace tumblix
