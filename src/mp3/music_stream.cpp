// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3/music_stream.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <utility>
#include <vector>

#include "sound/quiet_libraries.h"

namespace tumblix {

namespace {

// About 370 ms queued, topped up when no more than 120 ms of it are left to play (and at its
// end, when it has played out): a few wakes a second.
constexpr std::size_t kBuffers = 4;
constexpr std::size_t kBufferFrames = 4096;
constexpr std::int64_t kLowMs = 120;
constexpr std::int64_t kShortestSleepMs = 5;

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

// The source and its buffers in the worker's context: the frames queued, in play order.
class SourceQueue {
  public:
    SourceQueue() {
        alGenSources(1, &source_);
        alSourcei(source_, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        alGenBuffers(static_cast<ALsizei>(free_.size()), free_.data());
    }
    ~SourceQueue() {
        alSourceStop(source_);
        alDeleteSources(1, &source_);
        alDeleteBuffers(static_cast<ALsizei>(free_.size()), free_.data());
    }

    // Takes back the buffers played through; returns their frames.
    std::int64_t reclaim() {
        ALint done = 0;
        alGetSourcei(source_, AL_BUFFERS_PROCESSED, &done);
        return unqueue(done);
    }
    // Takes back the first count buffers of the queue; returns their frames.
    std::int64_t unqueue(std::int64_t count) {
        std::int64_t frames = 0;
        for (; count > 0 && !queued_.empty(); --count) {
            ALuint buffer = 0;
            alSourceUnqueueBuffers(source_, 1, &buffer);
            free_.push_back(buffer);
            frames += queued_.front();
            queued_.pop_front();
        }
        return frames;
    }
    // Queues what the stream gives into the free buffers; false once it has nothing more.
    // played: the buffers at the head of the queue that have sounded should the source be found
    // stopped, those queued while it played (a slow read can let it run dry in between).
    bool fill(AudioStream& audio, std::size_t& played) {
        while (!free_.empty()) {
            pcm_.clear();
            std::size_t frames = audio.read(pcm_, kBufferFrames);
            if (frames == 0) return false;
            ALuint buffer = free_.back();
            free_.pop_back();
            alBufferData(buffer, AL_FORMAT_STEREO16, pcm_.data(), static_cast<ALsizei>(frames * 4),
                         audio.rate());
            alSourceQueueBuffers(source_, 1, &buffer);
            queued_.push_back(static_cast<std::int64_t>(frames));
            if (state() == AL_PLAYING) played = queued_.size();
        }
        return true;
    }
    // Plays again after an underrun, which stops the source. A stopped source starts again
    // from the head of its queue, so the first played buffers (queued before the source ran
    // dry) are taken back first, or they would sound twice; returns their frames.
    std::int64_t keepPlaying(std::size_t played) {
        if (state() == AL_PLAYING) return 0;
        std::int64_t frames = unqueue(static_cast<std::int64_t>(played));
        if (!queued_.empty()) alSourcePlay(source_);
        return frames;
    }
    // The frames played of the buffer at the head of the queue.
    std::int64_t offset() const {
        ALint offset = 0;
        alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
        return offset;
    }
    std::size_t size() const { return queued_.size(); }
    ALint state() const {
        ALint state = AL_STOPPED;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        return state;
    }
    // Stops and empties the queue; stopping marks every buffer played through.
    void clear() {
        alSourceStop(source_);
        reclaim();
    }
    bool empty() const { return queued_.empty(); }
    // The frames queued and not yet played, offset frames of the first being played.
    std::int64_t framesLeft(std::int64_t offset) const {
        std::int64_t frames = -offset;
        for (std::int64_t f : queued_) frames += f;
        return std::max<std::int64_t>(frames, 0);
    }

  private:
    ALuint source_ = 0;
    std::vector<ALuint> free_ = std::vector<ALuint>(kBuffers);
    std::deque<std::int64_t> queued_;
    std::vector<std::int16_t> pcm_;
};

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
    SourceQueue queue;
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
        if (more) more = queue.fill(*audio_, played);
        done += queue.keepPlaying(played);
        std::int64_t offset = queue.offset();
        std::int64_t leftMs = queue.framesLeft(offset) * 1000 / rate;
        bool sounding = !queue.empty() && connected(device_);
        lock.lock();
        seen_ = {(from + done + offset) * 1000 / rate, steadyMs(), leftMs, sounding};
        if (seek_) continue;
        if (!sounding) return;
        wake_.wait_for(lock, std::chrono::milliseconds(
                                 std::max(leftMs - (more ? kLowMs : 0), kShortestSleepMs)));
    }
}

}  // namespace tumblix
