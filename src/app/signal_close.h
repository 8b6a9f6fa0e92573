// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tumblix {

// Turns SIGTERM, SIGHUP and SIGINT into a call of onSignal on the window thread, so that a
// desktop session ending the program gets the same orderly close as the close button.
class SignalClose : public QObject {
    Q_OBJECT
  public:
    explicit SignalClose(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalClose() override;

  private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tumblix
