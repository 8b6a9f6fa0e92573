// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace tumblix {

// The about window: a summary of the controls, then the title and credits typed out one
// character per tick; it closes by itself 151 ticks after the text is complete.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* owner);

    QString ScrollText;
    int ScrollPos = 0;
    int ScrollWait = 0;

    void tmrScroll_Timer();
    QTimer& tmrScroll() { return tmrScroll_; }
    QString scrollShown() const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QLabel* lblScrollText_;
    QTimer tmrScroll_;
};

}  // namespace tumblix
