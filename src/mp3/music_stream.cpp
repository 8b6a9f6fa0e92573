// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3/music_stream.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <algorithm>
#include <chrono>
#include <utility>

#include "sound/quiet_libraries.h"
#include "sound/source_queue.h"

namespace tumblix {

namespace {

std::int64_t steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool connected(ALCdevice* device) {
    if (!alcIsExtensionPresent(device, "ALC_EXT_disconnect")) return true;
    ALCint on = ALC_TRUE;
    alcGetIntegerv(device, ALC_CONNECTED, 1, &on);
    return on == ALC_TRUE;
}

void closeDevice(ALCdevice*& device, ALCcontext*& context) {
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
    device = nullptr;
    context = nullptr;
}

// Opens the default device with a context of its own; false, with the reason in why, without.
bool openDevice(ALCdevice*& device, ALCcontext*& context, std::string& why) {
    device = alcOpenDevice(nullptr);
    if (!device) {
        why = "No sound device is available.";
        return false;
    }
    context = alcCreateContext(device, nullptr);
    if (!context || !alcIsExtensionPresent(device, "ALC_EXT_thread_local_context")) {
        closeDevice(device, context);
        why = "The sound device cannot play this file.";
        return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<MusicStream> MusicStream::start(std::unique_ptr<AudioStream> audio,
                                                std::string& why) {
    quietSoundLibraries();
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    if (!openDevice(device, context, why)) return nullptr;
    try {
        return std::unique_ptr<MusicStream>(new MusicStream(std::move(audio), device, context));
    } catch (...) {
        closeDevice(device, context);
        throw;
    }
}

MusicStream::MusicStream(std::unique_ptr<AudioStream> audio, ALCdevice* device, ALCcontext* context)
    : audio_(std::move(audio)), device_(device), context_(context), worker_([this] { run(); }) {}

MusicStream::~MusicStream() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    worker_.join();
    closeDevice(device_, context_);
}

void MusicStream::seek(std::int64_t ms) {
    {
        std::lock_guard lock(mutex_);
        seek_ = ms;
        playing_ = true;
    }
    wake_.notify_all();
}

// Between the worker's looks the music plays on in real time, up to the end of the queue.
std::int64_t MusicStream::positionMs() const {
    std::lock_guard lock(mutex_);
    if (!seen_.sounding) return seen_.positionMs;
    return seen_.positionMs + std::clamp<std::int64_t>(steadyMs() - seen_.atMs, 0, seen_.leftMs);
}

// The device is open only while the file sounds: at the end (or when the device goes away) it
// is closed, so that its mixer stops waking the machine, and a seek opens it again.
void MusicStream::run() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        lock.unlock();
        std::string why;
        const bool opened = context_ || openDevice(device_, context_, why);
        if (opened) {
            // The game's sounds keep the process's current context; this thread uses its own.
            alcSetThreadContext(context_);
            play(lock);
            lock.unlock();
            alcSetThreadContext(nullptr);
            closeDevice(device_, context_);
        }
        lock.lock();
        if (!opened) seek_.reset();  // no device to play the seek on
        if (!seek_) playing_ = false;
        wake_.wait(lock, [this] { return quit_ || seek_; });
    }
}

void MusicStream::play(std::unique_lock<std::mutex>& lock) {
    SourceQueue queue(1);
    const std::int64_t rate = audio_->rate();
    std::int64_t from = 0;  // the frame the last seek went to
    std::int64_t done = 0;  // frames played through since then
    bool more = true;       // the stream has more to give
    lock.lock();
    while (!quit_) {
        std::optional<std::int64_t> seek = std::exchange(seek_, std::nullopt);
        lock.unlock();
        if (seek) {
            queue.clear();
            more = audio_->seek(*seek);
            from = *seek * rate / 1000;
            done = 0;
        }
        done += queue.reclaim();
        // Should the source run dry from here on, all these have played.
        std::size_t played = queue.size();
        if (more) more = queue.fill(*audio_);
        done += queue.keepPlaying(played);
        std::int64_t offset = queue.offset();
        std::int64_t leftMs = queue.framesLeft(offset) * 1000 / rate;
        bool sounding = !queue.empty() && connected(device_);
        lock.lock();
        seen_ = {(from + done + offset) * 1000 / rate, steadyMs(), leftMs, sounding};
        if (seek_) continue;
        if (!sounding) return;
        wake_.wait_for(lock, SourceQueue::sleepFor(leftMs, more));
    }
}

}  // namespace tumblix
