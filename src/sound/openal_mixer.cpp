// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/openal_mixer.h"

#include "sound/openal_buffer.h"
#include "sound/openal_stream.h"
#include "sound/path_lookup.h"
#include "sound/wave_decoder.h"

namespace tumblix {

OpenAlMixer::OpenAlMixer(std::function<ALCdevice*()> open, std::function<Clock::time_point()> now)
    : open_(std::move(open)), now_(std::move(now)) {}

OpenAlMixer::~OpenAlMixer() {
    if (opening_.valid())
        if (ALCdevice* late = opening_.get()) alcCloseDevice(late);
    if (device_) device_->close();
}

// The first try, at start-up, waits for the device; later ones run in the background and are
// taken up by the first load after they ended.
bool OpenAlMixer::deviceReady() {
    if (device_ && device_->connected()) return true;
    if (device_) device_->close();  // lost: the sounds made on it fall silent
    device_.reset();
    if (opening_.valid()) {
        if (opening_.wait_for(Clock::duration::zero()) != std::future_status::ready) return false;
        device_ = OpenAlDevice::start(opening_.get());
        return device_ != nullptr;
    }
    Clock::time_point now = now_();
    if (lastTry_ && now - *lastTry_ < kRetryEvery) return false;
    bool first = !lastTry_;
    lastTry_ = now;
    if (first) return (device_ = OpenAlDevice::start(open_())) != nullptr;
    opening_ = std::async(std::launch::async, open_);
    return false;
}

std::unique_ptr<MixerBuffer> OpenAlMixer::load(const std::string& path) {
    if (!deviceReady()) return nullptr;
    std::optional<Pcm> pcm = decodeSound(findSoundFile(path));
    if (!pcm) return nullptr;
    return OpenAlBuffer::create(*pcm, device_);
}

std::unique_ptr<MixerBuffer> OpenAlMixer::stream(const std::string& path, Opened opened) {
    if (!deviceReady()) return nullptr;
    return OpenAlStream::create(path, device_, std::move(opened));
}

}  // namespace tumblix
