// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_shape.h"

#include <algorithm>

#include "engine/random.h"

namespace tumblix {

ShapeOffsets shapeOffsets(const WindowMetrics& m) {
    bool tall = m.captionHeight > 20;
    ShapeOffsets o;
    o.top = roundInt((m.minHeight - 27) / 2.0 + 24) + (tall ? 2 : 0);
    o.left = roundInt((m.minWidth - (tall ? 123 : 112)) / 2.0);
    return o;
}

QPoint clientOrigin(const WindowMetrics& m) {
    ShapeOffsets o = shapeOffsets(m);
    return QPoint(o.left + 4, o.top - 1);
}

QRegion roundRectRegion(int x1, int y1, int x2, int y2, int w, int h) {
    int width = x2 - x1, height = y2 - y1;
    if (width <= 0 || height <= 0) return {};
    w = std::min(w, width);
    h = std::min(h, height);
    int rx = w / 2, ry = h / 2;
    QRegion r(x1 + rx, y1, width - 2 * rx, height);
    r += QRegion(x1, y1 + ry, width, height - 2 * ry);
    r += QRegion(x1, y1, w, h, QRegion::Ellipse);
    r += QRegion(x2 - w, y1, w, h, QRegion::Ellipse);
    r += QRegion(x1, y2 - h, w, h, QRegion::Ellipse);
    r += QRegion(x2 - w, y2 - h, w, h, QRegion::Ellipse);
    return r;
}

QRegion windowShape(const WindowMetrics& m, int windowWidth,
                    const std::vector<ShapePiece>& pieces) {
    ShapeOffsets o = shapeOffsets(m);
    const int T = o.top, B = o.left;
    QRegion shape(0, 0, windowWidth, T);
    for (const ShapePiece& p : pieces) {
        const int L = p.rect.x(), Y = p.rect.y(), W = p.rect.width(), H = p.rect.height();
        if (p.isLabel) {
            shape += QRegion(QRect(QPoint(L + B, Y + T), QPoint(L + W + B - 1, Y + H + T - 1)));
        } else if (p.name == "fraBottom") {
            shape += roundRectRegion(L + B + 3, Y + T - 1, L + W + 6, Y + H + T + 1, 75, 95);
        } else if (p.name == "fraLeft") {
            shape += roundRectRegion(L + B + 3, Y + T - 1, L + W + 6, Y + H + T + 1, 65, 65);
        } else {
            shape += roundRectRegion(L + B + 4, Y + T - 1, L + W + 6, Y + H + T + 1, 30, 30);
        }
    }
    return shape;
}

}  // namespace tumblix
