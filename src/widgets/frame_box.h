// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tumblix {

// A frame: a filled panel with a thin etched border and an optional caption at its top left.
class FrameBox : public QWidget {
    Q_OBJECT
  public:
    FrameBox(QWidget* parent, const QString& caption);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString caption_;
};

}  // namespace tumblix
