// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dm_ctrl.h"

namespace tumblix {

clsDMCtrl::clsDMCtrl(Mixer& mixer, const bool& soundsOn, FailureReport report)
    : mixer_(mixer), soundsOn_(soundsOn), report_(report) {}

clsDMCtrl::~clsDMCtrl() {
    DMCtrlRelease();
}

void clsDMCtrl::DMCtrlPath(const std::string& NewPath) {
    strPath = NewPath;
    bReload = true;
}

void clsDMCtrl::DMCtrlVolume(std::int16_t NewVolume) {
    iVolume = NewVolume;
    bReload = true;
}

void clsDMCtrl::DMCtrlFreq(std::int32_t freq) {
    lFreq = freq;
    bReload = true;
}

void clsDMCtrl::DMCtrlPlay() {
    if (!soundsOn_ || !bEnabled) return;
    if (!Buffer || bReload || Buffer->lost()) {
        bReload = false;
        DMCtrlRelease();
        DMCtrlInit();
        if (!configure()) {
            DMCtrlRelease();
            if (report_) report_("DMCtrl");
            return;
        }
    }
    Buffer->play(false);
    Buffer->rewind();
}

// Gives the new buffer its volume and rate; a rate of 0 keeps the file's own and remembers it.
bool clsDMCtrl::configure() {
    if (!Buffer || !Buffer->setVolume(iVolume) || !Buffer->setFrequency(lFreq)) return false;
    if (lFreq == 0) lFreq = Buffer->frequency();
    return true;
}

// A file or device that cannot be used leaves no buffer and marks the sound failed.
void clsDMCtrl::DMCtrlInit() {
    bFailedDMCtrl = false;
    DMCtrlRelease();
    Buffer = mixer_.load(strPath);
    if (!Buffer) bFailedDMCtrl = true;
}

void clsDMCtrl::DMCtrlRelease() {
    if (Buffer) Buffer->stop();
    Buffer.reset();
}

}  // namespace tumblix
