// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

namespace tumblix {

// A side window of the main window (best players, statistics, coming figures). It never keeps
// the keyboard: clicks and activation hand the focus back to the main window. When the user
// closes it, it only hides and tells the main window so (which releases its menu button);
// when the program closes it, it closes.
class ToolWindow : public QWidget {
    Q_OBJECT
  public:
    ToolWindow(QWidget* mainWindow, const char* name, const QString& caption);

    // Called when the window wants the main window to take the keyboard back.
    void setFocusReturn(std::function<void()> handBack) { handBack_ = std::move(handBack); }
    // Called when the user closed the window.
    void setUserClosed(std::function<void()> closed) { userClosed_ = std::move(closed); }
    // Lets the next close request through: the program is ending.
    void closeForGood();
    // From now on the window keeps the size it has, except that its outer height (frame and
    // title bar included, as the window manager reports them) stays within outerLimit pixels
    // when that is above 0: the content gets the room the frame leaves.
    void fixSize(int outerLimit);

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Keeps a child from taking the focus and watches its clicks.
    void adopt(QWidget* child);
    void handBack();

  private:
    void fitHeight();

    QSize design_;
    int outerLimit_ = 0;
    std::optional<QPoint> shownAt_;  // until the window manager has framed the window
    std::function<void()> handBack_;
    std::function<void()> userClosed_;
    bool closing_ = false;
};

}  // namespace tumblix
