// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/color.h"

namespace tumblix {

enum class LineStyle { Solid, DashDot };

// A picture the game draws into, in the picture's own user units. The picture keeps what was
// drawn (a persistent image) until it is cleared.
class Canvas {
  public:
    virtual ~Canvas() = default;
    // Paints the whole picture in its background colour.
    virtual void clear() = 0;
    virtual void setBackColor(Color c) = 0;
    // The colour that fills framed boxes.
    virtual void setFillColor(Color c) = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    // A box painted wholly in one colour.
    virtual void fillBox(double x1, double y1, double x2, double y2, Color c) = 0;
    // A box outlined in one colour (in the current line style) and filled with the fill colour.
    virtual void frameBox(double x1, double y1, double x2, double y2, Color outline) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Color c) = 0;
};

// A canvas that draws nothing, for windows that are not there.
class NullCanvas final : public Canvas {
  public:
    void clear() override {}
    void setBackColor(Color) override {}
    void setFillColor(Color) override {}
    void setLineStyle(LineStyle) override {}
    void fillBox(double, double, double, double, Color) override {}
    void frameBox(double, double, double, double, Color) override {}
    void line(double, double, double, double, Color) override {}
};

}  // namespace tumblix
