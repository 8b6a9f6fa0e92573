// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRegion>
#include <QString>
#include <vector>

namespace tumblix {

// The system sizes the main window's shape is built from: the caption's height and the
// smallest size a window may take, in pixels.
struct WindowMetrics {
    int captionHeight = 19;
    int minWidth = 112;
    int minHeight = 27;
};

// A control that takes part in the shape: its name and its place in client pixels.
struct ShapePiece {
    QString name;
    bool isLabel = false;
    QRect rect;
};

// Where the client area stands inside the shaped window.
struct ShapeOffsets {
    int top = 0;   // T
    int left = 0;  // B
};

ShapeOffsets shapeOffsets(const WindowMetrics& m);

// The client area's top-left corner in window pixels: inside the 4-pixel left border and one
// row above T, where the outline's frame pieces begin, so every frame's edge is its piece's edge.
QPoint clientOrigin(const WindowMetrics& m);

// A rectangle from (x1, y1) to (x2, y2), right and bottom edges excluded, whose corners are
// rounded by ellipses w wide and h high.
QRegion roundRectRegion(int x1, int y1, int x2, int y2, int w, int h);

// The window's outline: the title strip across the whole width, then each frame as a rounded
// rectangle and each joining bar as a plain one.
QRegion windowShape(const WindowMetrics& m, int windowWidth, const std::vector<ShapePiece>& pieces);

}  // namespace tumblix
