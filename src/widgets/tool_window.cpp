// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tool_window.h"

#include <QCloseEvent>
#include <QTimer>
#include <algorithm>

namespace tumblix {

ToolWindow::ToolWindow(QWidget* mainWindow, const char* name, const QString& caption)
    // A window of one size: no maximise button.
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName(name);
    setWindowTitle(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void ToolWindow::closeForGood() {
    closing_ = true;
    close();
}

void ToolWindow::fixSize(int outerLimit) {
    design_ = size();
    outerLimit_ = outerLimit;
    fitHeight();
}

// The frame is known once the window manager has framed the window, which it reports with a
// move of the window. While it frames a window it may report a passing place, which a resize
// would make final: the window goes back where it was shown.
void ToolWindow::fitHeight() {
    if (design_.isEmpty()) return;
    const int frame = frameGeometry().height() - height();
    int h = design_.height();
    if (outerLimit_ > 0) h = std::max(1, std::min(h, outerLimit_ - frame));
    const QSize fixed(design_.width(), h);
    if (minimumSize() != fixed || maximumSize() != fixed) {
        setFixedSize(fixed);
        if (shownAt_) move(*shownAt_);
    }
    if (frame > 0) shownAt_.reset();
}

void ToolWindow::adopt(QWidget* child) {
    child->setFocusPolicy(Qt::NoFocus);
    child->installEventFilter(this);
    for (QWidget* w : child->findChildren<QWidget*>()) {
        w->setFocusPolicy(Qt::NoFocus);
        w->installEventFilter(this);
    }
}

void ToolWindow::handBack() {
    // After the event that activated this window is done, the main window takes over again.
    QTimer::singleShot(0, this, [this] {
        if (handBack_) handBack_();
    });
}

bool ToolWindow::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowActivate:
        case QEvent::FocusIn:
        case QEvent::MouseButtonRelease:
            handBack();
            break;
        case QEvent::Show:
            if (testAttribute(Qt::WA_Moved)) shownAt_ = pos();  // else the manager places it
            break;
        case QEvent::Move:
            // Once the move is done: a resize in the middle of it would lose the place.
            QTimer::singleShot(0, this, &ToolWindow::fitHeight);
            break;
        default:
            break;
    }
    return QWidget::event(e);
}

bool ToolWindow::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::FocusIn) handBack();
    return false;
}

void ToolWindow::closeEvent(QCloseEvent* e) {
    if (closing_) return e->accept();
    e->ignore();
    hide();
    if (userClosed_) userClosed_();
}

}  // namespace tumblix
