// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/frame_box.h"

#include <QPainter>

namespace tumblix {

FrameBox::FrameBox(QWidget* parent, const QString& caption) : QWidget(parent), caption_(caption) {
    setAutoFillBackground(true);
}

void FrameBox::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFontMetrics fm(font());
    int top = caption_.isEmpty() ? 0 : fm.height() / 2;
    QRect r = rect().adjusted(0, top, -1, -1);
    p.setPen(palette().color(QPalette::Window).darker(160));
    p.drawRect(r);
    p.setPen(palette().color(QPalette::Window).lighter(140));
    p.drawRect(r.adjusted(1, 1, 1, 1).intersected(rect().adjusted(0, 0, -1, -1)));
    if (caption_.isEmpty()) return;
    int w = fm.horizontalAdvance(caption_) + 6;
    QRect text(6, 0, w, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, caption_);
}

}  // namespace tumblix
