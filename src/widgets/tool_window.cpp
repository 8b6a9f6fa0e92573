// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tool_window.h"

#include <QCloseEvent>
#include <QTimer>

namespace tumblix {

ToolWindow::ToolWindow(QWidget* mainWindow, const char* name, const QString& caption)
    : QWidget(mainWindow, Qt::Tool) {
    setObjectName(name);
    setWindowTitle(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void ToolWindow::closeForGood() {
    closing_ = true;
    close();
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
