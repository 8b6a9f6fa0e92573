// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/list_window.h"

#include <QFontDatabase>
#include <QVBoxLayout>

namespace tumblix {

ListWindow::ListWindow(QWidget* mainWindow, const char* name, const QString& caption,
                       const char* listName)
    : ToolWindow(mainWindow, name, caption) {
    list_ = new QListWidget(this);
    list_->setObjectName(listName);
    QFont mono("Courier New");
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFixedPitch(true);
    if (!QFontInfo(mono).fixedPitch()) mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(9);
    list_->setFont(mono);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    adopt(list_);
    resize(280, 200);
}

}  // namespace tumblix
