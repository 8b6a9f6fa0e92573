// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/future_window.h"

#include <QVBoxLayout>

namespace tumblix {

namespace {
// The coming figures are drawn in these units: three 4x4 boxes side by side.
constexpr double kFutureWidth = 2800, kFutureHeight = 900;
}  // namespace

FutureWindow::FutureWindow(QWidget* mainWindow) : ToolWindow(mainWindow, "frmFuture", "Future") {
    picFuture_ = new PictureBox(this, kFutureWidth, kFutureHeight);
    picFuture_->setObjectName("picFuture");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picFuture_);
    adopt(picFuture_);
    resize(280, 90);
}

}  // namespace tumblix
