// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

namespace soundgen {

// The event sounds, mono at 44.1 kHz, each scaled to a peak of 0.85 (the generator then sets
// their levels). The game plays most of them at a higher rate, so they come out a little
// higher and shorter than written here.
Track tick(double pitchHz, std::uint32_t seed);  // moves: a short, bright tock
Track blip();                                    // rotation: a quick rising chirp
Track whoosh(double fromHz, double toHz, double len, std::uint32_t seed);  // drops
Track thud(double pitchHz, std::uint32_t seed);  // landings: a low thump, a wooden knock
Track chord();                                   // removed rows: a bright major arpeggio
Track sparkle();                                 // a Tumblix figure: glittering pings
Track warble();                                  // inversion: a down-and-up swoop

}  // namespace soundgen
