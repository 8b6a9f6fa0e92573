#include "widgets/control_button.h"

#include <QMouseEvent>

namespace tumblix {

void ControlButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || held_) return e->ignore();
    held_ = true;
    setDown(true);
    emit mouseDown();
}

void ControlButton::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void ControlButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !held_) return e->ignore();
    held_ = false;
    setDown(false);
    emit mouseUp();
}

void ControlButton::changeEvent(QEvent* e) {
    // A button disabled while held (the drop button) never sees its release.
    if (e->type() == QEvent::EnabledChange && !isEnabled()) held_ = false;
    QPushButton::changeEvent(e);
}

}  // namespace tumblix
