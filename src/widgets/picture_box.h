// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include "engine/canvas.h"

namespace tumblix {

// A picture with a user scale and a persistent image: the game draws into it in its own
// units, and the widget shows what was drawn until it is cleared.
class PictureBox : public QWidget, public Canvas {
    Q_OBJECT
  public:
    PictureBox(QWidget* parent, double scaleWidth, double scaleHeight);

    const QImage& image() const { return image_; }

    void clear() override;
    void setBackColor(Color c) override;
    void setFillColor(Color c) override;
    void setLineStyle(LineStyle style) override { style_ = style; }
    void fillBox(double x1, double y1, double x2, double y2, Color c) override;
    void frameBox(double x1, double y1, double x2, double y2, Color outline) override;
    void line(double x1, double y1, double x2, double y2, Color c) override;

  signals:
    // Mouse events in user units; button 1 left, 2 right.
    void mouseDown(int button, double x, double y);
    void mouseUp(int button, double x, double y);
    void mouseMove(int buttons, double x, double y);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

  private:
    // Keeps the image as large as the widget (it may be resized before it is first shown).
    void fitImage();
    QRect toPixels(double x1, double y1, double x2, double y2);
    QPointF toUnits(const QPointF& p) const;

    QImage image_;
    double scaleW_;
    double scaleH_;
    QColor back_{Qt::black};
    QColor fill_{Qt::black};
    LineStyle style_ = LineStyle::Solid;
};

}  // namespace tumblix
