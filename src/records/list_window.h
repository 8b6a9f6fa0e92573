// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

#include "widgets/tool_window.h"

namespace tumblix {

// A tool window holding one list in a fixed-pitch font: the best players or the statistics.
class ListWindow : public ToolWindow {
    Q_OBJECT
  public:
    ListWindow(QWidget* mainWindow, const char* name, const QString& caption, const char* listName);
    QListWidget& list() { return *list_; }

  private:
    QListWidget* list_;
};

}  // namespace tumblix
