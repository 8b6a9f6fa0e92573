#pragma once

#include <QPushButton>

namespace tumblix {

// One of the on-screen control buttons. Only the left mouse button works it, and one press
// acts once: sliding the pointer off the held button and back on neither releases nor
// presses it again, so it keeps its pressed look until the mouse button is let go.
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
    bool held_ = false;
};

}  // namespace tumblix
