// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "widgets/qt_color.h"

namespace tumblix {

namespace {
int vbButton(Qt::MouseButton b) {
    if (b == Qt::LeftButton) return 1;
    if (b == Qt::RightButton) return 2;
    if (b == Qt::MiddleButton) return 4;
    return 0;
}
int vbButtons(Qt::MouseButtons bs) {
    return (bs & Qt::LeftButton ? 1 : 0) | (bs & Qt::RightButton ? 2 : 0) |
           (bs & Qt::MiddleButton ? 4 : 0);
}
}  // namespace

PictureBox::PictureBox(QWidget* parent, double scaleWidth, double scaleHeight)
    : QWidget(parent), scaleW_(scaleWidth), scaleH_(scaleHeight) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    image_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    image_.fill(back_);
}

void PictureBox::fitImage() {
    QSize size = this->size().expandedTo(QSize(1, 1));
    if (image_.size() == size) return;
    image_ = image_.scaled(size).convertToFormat(QImage::Format_RGB32);
}

QRect PictureBox::toPixels(double x1, double y1, double x2, double y2) {
    fitImage();
    double sx = image_.width() / scaleW_, sy = image_.height() / scaleH_;
    int px1 = static_cast<int>(std::lround(std::min(x1, x2) * sx));
    int py1 = static_cast<int>(std::lround(std::min(y1, y2) * sy));
    int px2 = static_cast<int>(std::lround(std::max(x1, x2) * sx));
    int py2 = static_cast<int>(std::lround(std::max(y1, y2) * sy));
    return QRect(QPoint(px1, py1), QPoint(px2, py2));
}

QPointF PictureBox::toUnits(const QPointF& p) const {
    return QPointF(p.x() * scaleW_ / std::max(1, width()), p.y() * scaleH_ / std::max(1, height()));
}

void PictureBox::clear() {
    fitImage();
    image_.fill(back_);
    update();
}

// As in the window system, a new back colour wipes the picture: the game draws again what
// it wants to keep.
void PictureBox::setBackColor(Color c) {
    QColor back = toQColor(c);
    if (back == back_) return;
    back_ = back;
    clear();
}

void PictureBox::setFillColor(Color c) {
    fill_ = toQColor(c);
}

void PictureBox::fillBox(double x1, double y1, double x2, double y2, Color c) {
    QRect r = toPixels(x1, y1, x2, y2);
    QPainter p(&image_);
    p.fillRect(r, toQColor(c));
    update(r);
}

void PictureBox::frameBox(double x1, double y1, double x2, double y2, Color outline) {
    QRect r = toPixels(x1, y1, x2, y2);
    QPainter p(&image_);
    p.fillRect(r, fill_);
    QPen pen(toQColor(outline));
    pen.setStyle(style_ == LineStyle::DashDot ? Qt::DashDotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    update(r);
}

void PictureBox::line(double x1, double y1, double x2, double y2, Color c) {
    QRect r = toPixels(x1, y1, x2, y2);
    QPainter p(&image_);
    QPen pen(toQColor(c));
    pen.setStyle(style_ == LineStyle::DashDot ? Qt::DashDotLine : Qt::SolidLine);
    p.setPen(pen);
    p.drawLine(r.topLeft(), r.bottomRight());
    update(r.adjusted(-1, -1, 1, 1));
}

void PictureBox::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect(), image_, e->rect());
}

void PictureBox::resizeEvent(QResizeEvent*) {
    fitImage();
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    QPointF u = toUnits(e->position());
    emit mouseDown(vbButton(e->button()), u.x(), u.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    QPointF u = toUnits(e->position());
    emit mouseUp(vbButton(e->button()), u.x(), u.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    QPointF u = toUnits(e->position());
    emit mouseMove(vbButtons(e->buttons()), u.x(), u.y());
}

}  // namespace tumblix
