// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "engine/color.h"

namespace tumblix {

inline QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace tumblix
