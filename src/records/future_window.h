// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/picture_box.h"
#include "widgets/tool_window.h"

namespace tumblix {

// The tool window "Future": the three figures after the next one.
class FutureWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit FutureWindow(QWidget* mainWindow);
    PictureBox& picture() { return *picFuture_; }

  private:
    PictureBox* picFuture_;
};

}  // namespace tumblix
