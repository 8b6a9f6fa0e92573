// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace tumblix {

// One of the on-screen control buttons. Any mouse button works it, and one press acts once:
// sliding the pointer off the held button and back on neither releases nor presses it again,
// and other buttons pressed meanwhile do nothing, so it keeps its pressed look until the
// mouse button that pressed it is let go.
class ControlButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  signals:
    void mouseDown();
    void mouseUp();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    Qt::MouseButton held_ = Qt::NoButton;
};

}  // namespace tumblix
