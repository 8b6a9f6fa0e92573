// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/direct_sound.h"

#include <utility>

namespace tumblix {

DirectSound::DirectSound(Mixer& mixer, std::int32_t& freq, FailureReport report)
    : mixer_(mixer), freq_(freq), report_(report) {}

DirectSound::~DirectSound() {
    DSRelease();
}

// The mixer tells the rate from the thread that opened the file; the answer is taken up here.
void DirectSound::PlayBkgMusic(const std::string& file, Answered answered) {
    MusicFile = file;
    DSRelease();
    bFailedDS = false;
    opening_ = true;
    freqChosen_ = false;
    answered_ = std::move(answered);
    auto post = [this, call = call_](std::int32_t rate) {
        QMetaObject::invokeMethod(
            &answers_, [this, call, rate] { answer(call, rate); }, Qt::QueuedConnection);
    };
    Buffer = mixer_.stream(MusicFile, post);
    if (!Buffer) return post(0);
    Buffer->play(true);
    Buffer->rewind();
}

// A frequency chosen while the file was opened stays; otherwise the file's own rate is told.
void DirectSound::answer(std::uint64_t call, std::int32_t rate) {
    if (call != call_) return;  // another file or a release came first
    opening_ = false;
    Answered told = std::exchange(answered_, nullptr);
    if (rate > 0) {
        if (!freqChosen_) freq_ = rate;
    } else {
        bFailedDS = true;
        if (report_) report_("DirectSound");
        DSRelease();
    }
    if (told) told(rate > 0);
}

void DirectSound::StopBkgMusic() {
    if (MixerBuffer* b = music()) b->stop();
}

void DirectSound::ResumeBkgMusic() {
    if (MixerBuffer* b = music()) b->play(true);
}

void DirectSound::SetBkgVolume(std::int16_t volume) {
    if (MixerBuffer* b = music()) b->setVolume(volume);
    MusicVolume = volume;
}

void DirectSound::SetBkgFreq(std::int32_t frequency) {
    if (MixerBuffer* b = music()) b->setFrequency(frequency);
    freqChosen_ = true;
}

void DirectSound::SetBkgPan(std::int16_t pan) {
    if (MixerBuffer* b = music()) b->setPan(pan);
}

std::int32_t DirectSound::GetBkgFreq() const {
    MixerBuffer* b = music();
    return b ? b->frequency() : 0;
}

// Waits for the stream's worker, which tells its answer no more.
void DirectSound::DSRelease() {
    ++call_;
    opening_ = false;
    answered_ = nullptr;
    if (Buffer) Buffer->stop();
    Buffer.reset();
}

}  // namespace tumblix
