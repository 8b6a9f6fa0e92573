// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_system.h"

namespace tumblix {

SoundSystem::SoundSystem(std::unique_ptr<Mixer> mixer, FailureReport report)
    : mixer_(std::move(mixer)), music(*mixer_, settings.freq, report) {
    for (auto& o : objects_)
        o = std::make_unique<clsDMCtrl>(*mixer_, settings.EnableSoundControl, report);
}

namespace {
// The settings file lists the sounds in an order of its own.
constexpr std::array<std::pair<SoundId, Sound>, kSoundCount> kFileOrder{{
    {SoundId::mLeft1, Sound::mLeft1},
    {SoundId::mRight1, Sound::mRight1},
    {SoundId::mRotate1, Sound::mRotate1},
    {SoundId::mDrop1, Sound::mDrop1},
    {SoundId::mDrop2, Sound::mDrop2},
    {SoundId::mDown1, Sound::mDown1},
    {SoundId::mDown2, Sound::mDown2},
    {SoundId::mDelLin1, Sound::mDelLin1},
    {SoundId::mTumblix1, Sound::mTumblix1},
    {SoundId::mInverse1, Sound::mInverse1},
}};
}  // namespace

void SoundSystem::applySettings(const Settings& file) {
    settings.EnableSoundControl = file.EnableSoundControl;
    settings.PathToBkgMusic = file.PathToBkgMusic;
    settings.EnableLoop = file.EnableLoop;
    settings.VolumeBkgMusic = file.BkgVolume;
    settings.freq = file.freq;
    startMusic();
    for (auto [id, sound] : kFileOrder) {
        const SoundSettings& from = file.sound(id);
        clsDMCtrl& o = object(sound);
        o.DMCtrlPath(from.DMCtrlPath);
        o.DMCtrlEnabled(from.DMCtrlEnabled);
        o.DMCtrlVolume(from.DMCtrlVolume);
        o.DMCtrlFreq(from.DMCtrlFreq);
    }
    settings.SpeedChange = file.SpeedChange;
}

void SoundSystem::storeSettings(Settings& file) const {
    file.EnableSoundControl = settings.EnableSoundControl;
    file.PathToBkgMusic = settings.PathToBkgMusic;
    file.EnableLoop = settings.EnableLoop;
    file.BkgVolume = music.GetBkgVolume();
    file.freq = settings.freq;
    for (auto [id, sound] : kFileOrder) {
        const clsDMCtrl& o = object(sound);
        file.sound(id) = {o.DMCtrlPath(), o.DMCtrlEnabled(), o.DMCtrlVolume(), o.DMCtrlFreq()};
    }
    file.SpeedChange = settings.SpeedChange;
}

void SoundSystem::release() {
    for (auto& o : objects_) o->DMCtrlRelease();
    music.DSRelease();
}

// The music starts at the chosen rate; a file that cannot play leaves the path "..." once its
// answer came.
void SoundSystem::startMusic() {
    std::int32_t chosen = settings.freq;
    music.PlayBkgMusic(settings.PathToBkgMusic, [this](bool opened) {
        if (!opened) settings.PathToBkgMusic = "...";
    });
    if (!settings.EnableLoop) music.StopBkgMusic();
    music.SetBkgVolume(settings.VolumeBkgMusic);
    music.SetBkgFreq(chosen);
    settings.freq = chosen;
}

// The pan is sent before the turn is tested, so the balance goes one step beyond +-5000.
void SoundSystem::sweepBalance() {
    if (!settings.EnableLoop) return;
    music.SetBkgPan(settings.ForLoop);
    if (settings.ForLoop > 5000 || settings.ForLoop < -5000) PanDirection = -PanDirection;
    settings.ForLoop =
        static_cast<std::int16_t>(settings.ForLoop + PanDirection * settings.SpeedChange);
}

}  // namespace tumblix
