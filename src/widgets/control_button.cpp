// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/control_button.h"

#include <QMouseEvent>

namespace tumblix {

void ControlButton::mousePressEvent(QMouseEvent* e) {
    if (held_ != Qt::NoButton) return e->accept();
    held_ = e->button();
    setDown(true);
    emit mouseDown();
}

void ControlButton::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void ControlButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != held_) return e->accept();
    held_ = Qt::NoButton;
    setDown(false);
    emit mouseUp();
}

void ControlButton::changeEvent(QEvent* e) {
    // A button disabled while held (the drop button) never sees its release.
    if (e->type() == QEvent::EnabledChange && !isEnabled()) held_ = Qt::NoButton;
    QPushButton::changeEvent(e);
}

}  // namespace tumblix
