// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/source_queue.h"

#include <AL/alext.h>

#include <algorithm>
#include <utility>

namespace tumblix {

SourceQueue::SourceQueue(std::size_t sides) : sources_(sides) {
    alGenSources(static_cast<ALsizei>(sides), sources_.data());
    for (ALuint s : sources_) alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    for (std::size_t i = 0; i < kBuffers; ++i) {
        std::vector<ALuint>& place = free_.emplace_back(sides);
        alGenBuffers(static_cast<ALsizei>(sides), place.data());
    }
}

SourceQueue::~SourceQueue() {
    if (sources_.empty()) return;
    clear();
    alDeleteSources(static_cast<ALsizei>(sources_.size()), sources_.data());
    for (std::vector<ALuint>& place : free_)
        alDeleteBuffers(static_cast<ALsizei>(place.size()), place.data());
}

void SourceQueue::forget() {
    sources_.clear();
    free_.clear();
    queued_.clear();
}

// The sources play on one clock, but a look may fall between their mixing: the one behind
// counts.
std::int64_t SourceQueue::reclaim() {
    ALint done = static_cast<ALint>(kBuffers);
    for (ALuint s : sources_) {
        ALint processed = 0;
        alGetSourcei(s, AL_BUFFERS_PROCESSED, &processed);
        done = std::min(done, processed);
    }
    return unqueue(done);
}

std::int64_t SourceQueue::unqueue(std::int64_t count) {
    std::int64_t frames = 0;
    for (; count > 0 && !queued_.empty(); --count) {
        std::vector<ALuint>& place = free_.emplace_back(sources_.size());
        for (std::size_t i = 0; i < sources_.size(); ++i)
            alSourceUnqueueBuffers(sources_[i], 1, &place[i]);
        frames += queued_.front();
        queued_.pop_front();
    }
    return frames;
}

void SourceQueue::push(const std::vector<std::int16_t>& pcm, int rate) {
    std::vector<ALuint> place = std::move(free_.back());
    free_.pop_back();  // its ids come back from the sources when unqueued
    const auto bytes = static_cast<ALsizei>(pcm.size() * sizeof(std::int16_t));
    for (std::size_t i = 0; i < sources_.size(); ++i) {
        const std::vector<std::int16_t>* data = &pcm;
        if (sources_.size() == 2) {  // this side alone
            side_.assign(pcm.size(), 0);
            for (std::size_t at = i; at < pcm.size(); at += 2) side_[at] = pcm[at];
            data = &side_;
        }
        alBufferData(place[i], AL_FORMAT_STEREO16, data->data(), bytes, rate);
        alSourceQueueBuffers(sources_[i], 1, &place[i]);
    }
    queued_.push_back(static_cast<std::int64_t>(pcm.size() / 2));
    if (playing()) sounded_ = queued_.size();
}

bool SourceQueue::playing() const {
    for (ALuint s : sources_) {
        ALint state = AL_STOPPED;
        alGetSourcei(s, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) return false;
    }
    return !sources_.empty();
}

bool SourceQueue::fill(AudioStream& audio) {
    while (room() > 0) {
        pcm_.clear();
        if (audio.read(pcm_, kBufferFrames) == 0) return false;
        push(pcm_, audio.rate());
    }
    return true;
}

// Only when every source has stopped: one that still plays would start over alone.
std::int64_t SourceQueue::keepPlaying(std::size_t played) {
    played = std::max(played, std::exchange(sounded_, 0));
    for (ALuint s : sources_) {
        ALint state = AL_STOPPED;
        alGetSourcei(s, AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING) return 0;
    }
    std::int64_t frames = unqueue(static_cast<std::int64_t>(played));
    if (!queued_.empty()) alSourcePlayv(static_cast<ALsizei>(sources_.size()), sources_.data());
    return frames;
}

std::int64_t SourceQueue::offset() const {
    ALint offset = 0;
    if (!sources_.empty()) alGetSourcei(sources_[0], AL_SAMPLE_OFFSET, &offset);
    return offset;
}

// Back to the initial state: a stopped source may count whatever is queued on it as played.
void SourceQueue::clear() {
    const auto n = static_cast<ALsizei>(sources_.size());
    alSourceStopv(n, sources_.data());
    sounded_ = 0;
    reclaim();
    alSourceRewindv(n, sources_.data());
}

std::int64_t SourceQueue::framesLeft(std::int64_t offset) const {
    std::int64_t frames = -offset;
    for (std::int64_t f : queued_) frames += f;
    return std::max<std::int64_t>(frames, 0);
}

std::chrono::milliseconds SourceQueue::sleepFor(std::int64_t leftMs, bool more) {
    constexpr std::int64_t kLowMs = 120, kShortestMs = 5;
    return std::chrono::milliseconds(std::max(leftMs - (more ? kLowMs : 0), kShortestMs));
}

}  // namespace tumblix
