// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sound/failure_report.h"
#include "sound/mixer.h"

namespace tumblix {

// One event sound: a wave file loaded at its first play, played once per request, and loaded
// again at the next play after its path, volume or frequency changed or its device was lost.
class clsDMCtrl {
  public:
    // soundsOn: the main window's switch for all event sounds, read at every play.
    clsDMCtrl(Mixer& mixer, const bool& soundsOn, FailureReport report = nullptr);
    ~clsDMCtrl();
    clsDMCtrl(const clsDMCtrl&) = delete;
    clsDMCtrl& operator=(const clsDMCtrl&) = delete;

    // True after the last load attempt failed.
    bool bFailedDMCtrl = false;

    void DMCtrlPlay();

    const std::string& DMCtrlPath() const { return strPath; }
    void DMCtrlPath(const std::string& NewPath);
    std::int16_t DMCtrlVolume() const { return iVolume; }
    void DMCtrlVolume(std::int16_t NewVolume);
    bool DMCtrlEnabled() const { return bEnabled; }
    void DMCtrlEnabled(bool NewEnable) { bEnabled = NewEnable; }
    // 0 while the sound is failed; after a play at rate 0, the file's own rate.
    std::int32_t DMCtrlFreq() const { return bFailedDMCtrl ? 0 : lFreq; }
    void DMCtrlFreq(std::int32_t freq);

    // Lets go of the device and the buffer; the next play loads again.
    void DMCtrlRelease();

  private:
    void DMCtrlInit();
    bool configure();

    Mixer& mixer_;
    const bool& soundsOn_;
    FailureReport report_;

    std::int16_t iVolume = 0;
    std::string strPath;
    bool bEnabled = false;
    std::int32_t lFreq = 0;
    bool bReload = true;
    std::unique_ptr<MixerBuffer> Buffer;
};

}  // namespace tumblix
