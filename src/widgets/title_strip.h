// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QWidget>

namespace tumblix {

// The main window's own title strip: its caption, a minimise and a close button, and a
// handle that moves the window.
class TitleStrip : public QWidget {
    Q_OBJECT
  public:
    explicit TitleStrip(QWidget* window);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    QWidget* window_;
    QWidget* minimize_;
    QWidget* close_;
    QPoint grab_;
    bool dragging_ = false;
};

}  // namespace tumblix
