// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/alc.h>

#include <memory>
#include <mutex>

namespace tumblix {

// One opened output device with the program's context on it, current while it is open. The
// sounds made on it share it; once it is closed their sources and buffers are gone with it,
// and they must not touch OpenAL any more.
class OpenAlDevice {
  public:
    // Takes an opened device (or null) and makes a current context on it; null when that fails,
    // the device then closed.
    static std::shared_ptr<OpenAlDevice> start(ALCdevice* device);
    ~OpenAlDevice() { close(); }
    OpenAlDevice(const OpenAlDevice&) = delete;
    OpenAlDevice& operator=(const OpenAlDevice&) = delete;

    bool open() const { return device_ != nullptr; }
    // Open and still there: a device unplugged or failed reports itself disconnected.
    bool connected() const;
    // Closes; waits for a thread of the device's sounds that holds lock().
    void close();
    // Held by whatever touches the device's sounds from another thread than the one that
    // closes it, and by close: a thread that holds it and finds the device open may use it.
    std::mutex& lock() const { return lock_; }

  private:
    OpenAlDevice(ALCdevice* device, ALCcontext* context);

    ALCdevice* device_;
    ALCcontext* context_;
    bool tellsDisconnect_;
    mutable std::mutex lock_;
};

}  // namespace tumblix
