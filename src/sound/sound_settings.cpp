#include "sound/sound_settings.h"

namespace tumblix {

const std::array<SoundDefault, 10> kSoundDefaults{{
    {Sound::mLeft1, "left1.WAV", -1322, 57299},
    {Sound::mRight1, "right1.WAV", -747, 71379},
    {Sound::mRotate1, "rotate1.WAV", -776, 60920},
    {Sound::mDrop1, "drop1.WAV", -920, 58103},
    {Sound::mDrop2, "drop2.WAV", -1034, 56092},
    {Sound::mDown1, "down1.WAV", -647, 37184},
    {Sound::mDown2, "down2.WAV", -474, 33563},
    {Sound::mDelLin1, "dellin1.WAV", -589, 58506},
    {Sound::mTumblix1, "tumblix1.WAV", -546, 49655},
    {Sound::mInverse1, "inverse1.WAV", -474, 60115},
}};

std::string defaultMusicPath(const std::string& folder) {
    return folder + "/Sound/BkgMusic.wav";
}

std::string defaultSoundPath(const std::string& folder, const SoundDefault& sound) {
    return folder + "/sound/" + sound.file;
}

}  // namespace tumblix
