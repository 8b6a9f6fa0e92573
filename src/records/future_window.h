#pragma once

#include "records/tool_window.h"
#include "ui/picture_box.h"

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
