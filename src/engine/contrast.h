// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/color.h"

namespace tumblix {

// The relative luminance of a colour, 0 for black to 1 for white, with the sRGB curve undone.
double relativeLuminance(Color c);

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(Color a, Color b);

// The caption colour for a button of colour back: its own text colour where that reads well
// (a contrast of 4.5 or more), otherwise black or white, whichever stands out more.
Color readableTextOn(Color back, Color text);

}  // namespace tumblix
