#pragma once

#include <QColor>

#include "engine/color.h"

namespace tumblix {

inline QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace tumblix
