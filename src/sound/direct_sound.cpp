// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/direct_sound.h"

namespace tumblix {

DirectSound::DirectSound(Mixer& mixer, std::int32_t& freq, FailureReport report)
    : mixer_(mixer), freq_(freq), report_(report) {}

DirectSound::~DirectSound() {
    DSRelease();
}

void DirectSound::PlayBkgMusic(const std::string& file) {
    MusicFile = file;
    DSInitMusic();
    if (bFailedDS) return;
    freq_ = Buffer->frequency();
    Buffer->play(true);
    Buffer->rewind();
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
}

void DirectSound::SetBkgPan(std::int16_t pan) {
    if (MixerBuffer* b = music()) b->setPan(pan);
}

std::int32_t DirectSound::GetBkgFreq() const {
    MixerBuffer* b = music();
    return b ? b->frequency() : 0;
}

void DirectSound::DSRelease() {
    if (Buffer) Buffer->stop();
    Buffer.reset();
}

void DirectSound::DSInitMusic() {
    if (DSCreateMusic()) return;
    if (report_) report_("DirectSound");
    DSRelease();
}

bool DirectSound::DSCreateMusic() {
    DSRelease();
    Buffer = mixer_.stream(MusicFile);
    bFailedDS = !Buffer;
    return !bFailedDS;
}

}  // namespace tumblix
