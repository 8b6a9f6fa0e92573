// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

namespace soundgen {

// The background music: 32 seconds of stereo at 120 beats a minute over A minor, F, C and G,
// with pad, bass, arpeggio and a soft hi-hat. Notes that ring past the end continue at the
// start, so the loop has no seam.
Track backgroundMusic();

}  // namespace soundgen
