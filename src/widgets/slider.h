// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

namespace tumblix {

// A horizontal slider that tells how the player moved it: Scroll at every movement by mouse or
// key, MouseUp when a mouse button comes up over it, Click when a press on it ends over it.
// Values set by the program are clamped into the range and notify nothing.
class Slider : public QSlider {
    Q_OBJECT
  public:
    Slider(QWidget* parent, const QString& name, int minimum, int maximum, int largeStep,
           int tickEvery, const QString& tip);
    void setCodeValue(int value);

  signals:
    void Scroll();
    void MouseUp();
    void Click();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    bool fromCode_ = false;
    bool pressed_ = false;
};

}  // namespace tumblix
