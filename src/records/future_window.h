#pragma once

#include <QWidget>

#include "ui/picture_box.h"

namespace tumblix {

// The tool window "Future": the three figures after the next one.
class FutureWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FutureWindow(QWidget* mainWindow);
    PictureBox& picture() { return *picFuture_; }

  private:
    PictureBox* picFuture_;
};

}  // namespace tumblix
