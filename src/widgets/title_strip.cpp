// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/title_strip.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

namespace tumblix {

namespace {
QPushButton* stripButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(
        "QPushButton { background: #c0c0c0; color: black; border: 1px outset #ffffff;"
        " font-weight: bold; padding: 0; }");
    return b;
}
}  // namespace

TitleStrip::TitleStrip(QWidget* window) : QWidget(window), window_(window) {
    setObjectName("titleStrip");
    minimize_ = stripButton(this, "cmdMinimize", "_");
    close_ = stripButton(this, "cmdClose", "x");
    connect(static_cast<QPushButton*>(minimize_), &QPushButton::clicked, window_,
            &QWidget::showMinimized);
    connect(static_cast<QPushButton*>(close_), &QPushButton::clicked, window_, &QWidget::close);
}

void TitleStrip::resizeEvent(QResizeEvent*) {
    int side = std::max(8, height() - 8);
    close_->setGeometry(width() - side - 6, (height() - side) / 2, side, side);
    minimize_->setGeometry(width() - 2 * side - 8, (height() - side) / 2, side, side);
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, QColor(0, 0, 128));
    g.setColorAt(1, QColor(16, 132, 208));
    p.fillRect(rect(), g);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect().adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               window_->windowTitle());
}

void TitleStrip::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // A window manager moves the window itself; without one the strip moves it.
    if (window_->windowHandle() && window_->windowHandle()->startSystemMove()) return;
    dragging_ = true;
    grab_ = e->globalPosition().toPoint() - window_->frameGeometry().topLeft();
}

void TitleStrip::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_) window_->move(e->globalPosition().toPoint() - grab_);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

}  // namespace tumblix
