// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/openal_stream.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>

#include "sound/path_lookup.h"
#include "sound/wave_decoder.h"

namespace tumblix {

std::unique_ptr<OpenAlStream> OpenAlStream::create(const std::string& path,
                                                   std::shared_ptr<const OpenAlDevice> device,
                                                   Mixer::Opened opened) {
    std::unique_ptr<OpenAlStream> s(new OpenAlStream(path, std::move(device)));
    if (s->ended_ || !s->applyGains()) return nullptr;
    s->worker_ = std::thread([p = s.get(), o = std::move(opened)] { p->run(o); });
    return s;
}

OpenAlStream::OpenAlStream(std::string path, std::shared_ptr<const OpenAlDevice> device)
    : OpenAlVoice(0, std::move(device)), path_(std::move(path)) {
    std::lock_guard hold(device_->lock());
    alGetError();
    queue_ = std::make_unique<SourceQueue>(2);
    if (alGetError() != AL_NO_ERROR) queue_->forget(), ended_ = true;
    std::copy(queue_->sources().begin(), queue_->sources().end(), sources_.begin());
}

// The sources and buffers of a closed device went with it.
OpenAlStream::~OpenAlStream() {
    stop_ = true;  // an opening still going on gives up
    {
        std::lock_guard hold(device_->lock());
        quit_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
    std::lock_guard hold(device_->lock());
    if (!device_->open()) queue_->forget();
    queue_.reset();
}

void OpenAlStream::play(bool) {
    together([&] {
        wanted_ = true;
        queue_->reclaim();
        queue_->keepPlaying(0);
    });
    wake_.notify_all();
}

void OpenAlStream::rewind() {
    together([&] {
        queue_->clear();
        rewind_ = true;
    });
    wake_.notify_all();
}

void OpenAlStream::stop() {
    together([&] {
        wanted_ = false;
        alSourcePausev(2, sources_.data());
    });
}

void OpenAlStream::run(const Mixer::Opened& opened) {
    path_ = findSoundFile(path_);
    std::error_code error;
    size_ = std::filesystem::file_size(path_, error);
    audio_ = openSound(path_, &stop_);
    if (audio_)
        together([&] {
            rate_ = audio_->rate();
            applyPitch();
        });
    opened(audio_ ? audio_->rate() : 0);
    std::unique_lock lock(device_->lock());
    while (audio_ && !quit_ && device_->open()) {
        const bool rewind = std::exchange(rewind_, false);
        queue_->reclaim();
        const std::size_t played = queue_->size(), room = queue_->room();
        lock.unlock();
        const bool more = (!rewind || audio_->seek(0)) && read(room) && unchanged();
        lock.lock();
        if (quit_ || rewind_ || !device_->open()) continue;  // what was read is stale
        if (!more) {
            queue_->clear();
            break;
        }
        for (const std::vector<std::int16_t>& chunk : chunks_) queue_->push(chunk, audio_->rate());
        if (!wanted_) {
            wake_.wait(lock);
            continue;
        }
        queue_->keepPlaying(played);
        const std::int64_t hz = std::max(frequency_.load(), 1);
        const std::int64_t leftMs = queue_->framesLeft(queue_->offset()) * 1000 / hz;
        wake_.wait_for(lock, SourceQueue::sleepFor(leftMs));
    }
    ended_ = true;
}

bool OpenAlStream::read(std::size_t count) {
    chunks_.resize(count);
    for (std::vector<std::int16_t>& chunk : chunks_) {
        chunk.clear();
        std::size_t got = audio_->read(chunk, SourceQueue::kBufferFrames);
        while (got < SourceQueue::kBufferFrames) {  // the seam: on from the beginning
            if (audio_->failed() || !audio_->seek(0)) return false;
            const std::size_t more = audio_->read(chunk, SourceQueue::kBufferFrames - got);
            if (more == 0) return false;
            got += more;
        }
    }
    return true;
}

bool OpenAlStream::unchanged() const {
    std::error_code error;
    return std::filesystem::file_size(path_, error) == size_ && !error;
}

}  // namespace tumblix
