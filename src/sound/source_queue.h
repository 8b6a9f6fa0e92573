// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/al.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "sound/audio_stream.h"

namespace tumblix {

// Sound played as it is read: a few buffers queued on one source, or on two sources on one
// clock, the first holding the left channel and the second the right (each as stereo with the
// other side silent, so each side has a gain of its own). Every source is mixed straight to the
// output channels. Made and used in one context, which must be current; never by two threads
// at once.
class SourceQueue {
  public:
    static constexpr std::size_t kBuffers = 4;
    static constexpr std::size_t kBufferFrames = 4096;

    // sides: 1 or 2, as above.
    explicit SourceQueue(std::size_t sides);
    ~SourceQueue();
    SourceQueue(const SourceQueue&) = delete;
    SourceQueue& operator=(const SourceQueue&) = delete;

    const std::vector<ALuint>& sources() const { return sources_; }
    // Gone with a closed context: the destructor leaves OpenAL alone.
    void forget();

    // Takes back the buffers played through; returns their frames.
    std::int64_t reclaim();
    // How many buffers can be queued now.
    std::size_t room() const { return free_.size(); }
    // Queues 16-bit stereo frames (at most kBufferFrames) into a free buffer.
    void push(const std::vector<std::int16_t>& pcm, int rate);
    // Queues what the stream gives into the free buffers; false once it has nothing more.
    bool fill(AudioStream& audio);
    // Plays again after an underrun, which stops the sources, and starts them the first time.
    // A stopped source starts again from the head of its queue, so the first played buffers
    // (queued before it ran dry) are taken back first, or they would sound twice; returns their
    // frames.
    std::int64_t keepPlaying(std::size_t played);
    // The frames played of the buffer at the head of the queue.
    std::int64_t offset() const;
    std::size_t size() const { return queued_.size(); }
    bool empty() const { return queued_.empty(); }
    // Stops and empties the queue, ready to be filled and played from its start.
    void clear();
    // The frames queued and not yet played, offset frames of the first being played.
    std::int64_t framesLeft(std::int64_t offset) const;
    // How long the thread that fills the queue may sleep with leftMs of it still to play: until
    // 120 ms are left (a few wakes a second) or, with nothing more to queue, until it has played
    // out; a few milliseconds at least.
    static std::chrono::milliseconds sleepFor(std::int64_t leftMs, bool more = true);

  private:
    // Takes back the first count buffers of the queue; returns their frames.
    std::int64_t unqueue(std::int64_t count);

    std::vector<ALuint> sources_;
    std::vector<std::vector<ALuint>> free_;  // a buffer per source for each free place
    std::deque<std::int64_t> queued_;        // frames of each queued place, in play order
    std::vector<std::int16_t> pcm_, side_;
    // The buffers at the head of the queue that sound even should the sources be found stopped:
    // those queued while they still played (a slow read can let them run dry in between).
    std::size_t sounded_ = 0;
    bool playing() const;
};

}  // namespace tumblix
