// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

namespace soundgen {

// How loud a sound is heard: the level in dB of full scale (mean square) over its loudest
// 50 ms, played at playRate Hz. A full-scale sine measures -3 dB.
double loudestLevel(const Track& mono, double playRate);

// The share of a sound's energy above hz when it is played at playRate Hz.
double shareAbove(const Track& mono, double hz, double playRate);

// One channel (0 left, 1 right) of a stereo track.
Track channel(const Track& stereo, int side);

}  // namespace soundgen
