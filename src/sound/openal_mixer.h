// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/alc.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "sound/mixer.h"
#include "sound/openal_device.h"
#include "sound/quiet_libraries.h"

namespace tumblix {

// The mixer on OpenAL Soft: the program's one device and context, opened at the first load.
// A device missing at start or lost later is tried again at a load, at most once every few
// seconds, and those later tries open it in the background: a load never waits for a device,
// it fails quietly until the device is there.
class OpenAlMixer final : public Mixer {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kRetryEvery = std::chrono::seconds(3);
    // open: opens the default device or gives null; now: the time the retries are counted in.
    explicit OpenAlMixer(
        std::function<ALCdevice*()> open =
            [] {
                quietSoundLibraries();
                return alcOpenDevice(nullptr);
            },
        std::function<Clock::time_point()> now = Clock::now);
    ~OpenAlMixer() override;
    OpenAlMixer(const OpenAlMixer&) = delete;
    OpenAlMixer& operator=(const OpenAlMixer&) = delete;

    std::unique_ptr<MixerBuffer> load(const std::string& path) override;
    std::unique_ptr<MixerBuffer> stream(const std::string& path, Opened opened) override;
    // True while a device is open and connected; otherwise takes up a device opened in the
    // background or starts a try when one is due.
    bool deviceReady();

  private:
    std::function<ALCdevice*()> open_;
    std::function<Clock::time_point()> now_;
    std::shared_ptr<OpenAlDevice> device_;
    std::future<ALCdevice*> opening_;
    std::optional<Clock::time_point> lastTry_;
};

}  // namespace tumblix
