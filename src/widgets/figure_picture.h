// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace tumblix {

// The picture of an ordinary figure kind (0..6: J, L, I, Z, S, T, O; anything else O), drawn
// from its pattern: the 4x4 box in 30 x 30 pixels at 96 dots per inch, scaled with the screen.
QPixmap figurePicture(int kind, int logicalDpi = 96);

}  // namespace tumblix
