// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

#include "engine/random.h"

namespace tumblix {

inline constexpr int kTwipsPerInch = 1440;

// Converts design positions in twips to pixels at the screen's logical resolution.
class Twips {
  public:
    explicit Twips(int logicalDpiX = 96, int logicalDpiY = 96)
        : dpiX_(logicalDpiX), dpiY_(logicalDpiY) {}
    static Twips of(const QWidget& w) { return Twips(w.logicalDpiX(), w.logicalDpiY()); }

    int x(double twips) const { return roundInt(twips * dpiX_ / kTwipsPerInch); }
    int y(double twips) const { return roundInt(twips * dpiY_ / kTwipsPerInch); }
    int toTwipsX(int px) const { return roundInt(static_cast<double>(px) * kTwipsPerInch / dpiX_); }
    int toTwipsY(int px) const { return roundInt(static_cast<double>(px) * kTwipsPerInch / dpiY_); }
    QRect rect(double left, double top, double width, double height) const {
        return QRect(x(left), y(top), x(width), y(height));
    }

  private:
    int dpiX_;
    int dpiY_;
};

}  // namespace tumblix
