// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/openal_device.h"

#include <AL/alext.h>

namespace tumblix {

std::shared_ptr<OpenAlDevice> OpenAlDevice::start(ALCdevice* device) {
    if (!device) return nullptr;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context && alcMakeContextCurrent(context))
        return std::shared_ptr<OpenAlDevice>(new OpenAlDevice(device, context));
    if (context) alcDestroyContext(context);
    alcCloseDevice(device);
    return nullptr;
}

OpenAlDevice::OpenAlDevice(ALCdevice* device, ALCcontext* context)
    : device_(device),
      context_(context),
      tellsDisconnect_(alcIsExtensionPresent(device, "ALC_EXT_disconnect")) {}

bool OpenAlDevice::connected() const {
    if (!device_) return false;
    if (!tellsDisconnect_) return true;
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    return connected == ALC_TRUE;
}

void OpenAlDevice::close() {
    std::lock_guard hold(lock_);
    if (!device_) return;
    if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
    device_ = nullptr;
    context_ = nullptr;
}

}  // namespace tumblix
