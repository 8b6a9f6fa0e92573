// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tumblix {

// The window shown while the program starts.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(const QString& version);
};

}  // namespace tumblix
