// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QTest>

namespace tumblix::testing {

// A left click; a check box is clicked on its box.
inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QCheckBox*>(w) ? QPoint(8, 8) : QPoint());
}

}  // namespace tumblix::testing
