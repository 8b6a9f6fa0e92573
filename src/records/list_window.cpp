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
    // Courier New where it is installed, else a face of its widths, else the desktop's
    // fixed-pitch font: scores line up in a column in any case.
    QFont mono;
    mono.setFamilies({"Courier New", "Liberation Mono", "Nimbus Mono PS", "Cousine",
                      QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    mono.setStyleHint(QFont::TypeWriter);
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
