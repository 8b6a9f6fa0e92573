#include "sound/sound_system.h"

namespace tumblix {

SoundSystem::SoundSystem(std::unique_ptr<Mixer> mixer, FailureReport report)
    : mixer_(std::move(mixer)), music(*mixer_, settings.freq, report) {
    for (auto& o : objects_)
        o = std::make_unique<clsDMCtrl>(*mixer_, settings.EnableSoundControl, report);
}

void SoundSystem::PlayEventSound(int code) {
    static constexpr std::array<Sound, 7> kByCode{Sound::mTumblix1, Sound::mDown1,   Sound::mLeft1,
                                                  Sound::mRight1,   Sound::mRotate1, Sound::mDrop1,
                                                  Sound::mDelLin1};
    if (code >= 1 && code <= 7) play(kByCode[static_cast<std::size_t>(code - 1)]);
}

void SoundSystem::useDefaults(const std::string& folder) {
    settings.PathToBkgMusic = defaultMusicPath(folder);
    for (const SoundDefault& d : kSoundDefaults) {
        clsDMCtrl& o = object(d.sound);
        o.DMCtrlPath(defaultSoundPath(folder, d));
        o.DMCtrlEnabled(true);
        o.DMCtrlVolume(d.volume);
        o.DMCtrlFreq(d.frequency);
    }
}

// The music starts at the file's own rate (PlayBkgMusic reports it in freq) and changes to the
// chosen rate a moment later.
void SoundSystem::startMusic() {
    std::int32_t chosen = settings.freq;
    music.PlayBkgMusic(settings.PathToBkgMusic);
    if (music.bFailedDS) settings.PathToBkgMusic = "...";
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
