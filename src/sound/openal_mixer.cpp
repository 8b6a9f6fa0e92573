#include "sound/openal_mixer.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include "sound/openal_buffer.h"
#include "sound/path_lookup.h"
#include "sound/quiet_libraries.h"
#include "sound/wave_decoder.h"

namespace tumblix {

OpenAlMixer::~OpenAlMixer() {
    if (!device_) return;
    alcMakeContextCurrent(nullptr);
    if (context_) alcDestroyContext(context_);
    alcCloseDevice(device_);
}

// The default device, tried once: a machine without one stays silent without further delay.
bool OpenAlMixer::open() {
    if (tried_) return context_ != nullptr;
    tried_ = true;
    quietSoundLibraries();
    device_ = alcOpenDevice(nullptr);
    if (!device_) return false;
    context_ = alcCreateContext(device_, nullptr);
    if (context_ && alcMakeContextCurrent(context_)) return true;
    if (context_) alcDestroyContext(context_);
    context_ = nullptr;
    return false;
}

bool OpenAlMixer::deviceReady() {
    if (!open()) return false;
    if (!alcIsExtensionPresent(device_, "ALC_EXT_disconnect")) return true;
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    return connected == ALC_TRUE;
}

std::unique_ptr<MixerBuffer> OpenAlMixer::load(const std::string& path) {
    if (!deviceReady()) return nullptr;
    std::optional<Pcm> pcm = decodeSound(findSoundFile(path));
    if (!pcm) return nullptr;
    return OpenAlBuffer::create(*pcm);
}

}  // namespace tumblix
