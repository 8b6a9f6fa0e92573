// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/alc.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "sound/audio_stream.h"

namespace tumblix {

// One file played on a sound device, context and source of its own, apart from the game's
// sounds. A worker thread decodes and keeps the source's queue filled, so no caller ever waits
// for the decoder; the caller only reads what the worker last saw.
class MusicStream {
  public:
    // Starts playing from the beginning; nothing, with the reason in why, without a device.
    static std::unique_ptr<MusicStream> start(std::unique_ptr<AudioStream> audio, std::string& why);
    // Stops the sound and closes the device.
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // False once the file has played to its end (or the device went away).
    bool playing() const { return playing_; }
    std::int64_t positionMs() const;
    // Plays from ms milliseconds on, also after the end.
    void seek(std::int64_t ms);

  private:
    MusicStream(std::unique_ptr<AudioStream> audio, ALCdevice* device, ALCcontext* context);
    void run();
    // Plays on the open device until the end, the device's loss or quit_; returns with the
    // lock held, taken from unlocked.
    void play(std::unique_lock<std::mutex>& lock);

    std::unique_ptr<AudioStream> audio_;
    ALCdevice* device_;    // the worker's while it runs; null while closed
    ALCcontext* context_;  // likewise
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;                 // under mutex_
    std::optional<std::int64_t> seek_;  // under mutex_
    std::atomic<bool> playing_{true};
    // What the worker saw last (under mutex_): the position, when, how much was left queued.
    struct Seen {
        std::int64_t positionMs = 0, atMs = 0, leftMs = 0;
        bool sounding = false;
    } seen_;
    std::thread worker_;
};

}  // namespace tumblix
