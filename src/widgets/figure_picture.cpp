// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/figure_picture.h"

#include <QPainter>

#include "engine/figure.h"

namespace tumblix {

QPixmap figurePicture(int kind, int logicalDpi) {
    const int side = 30 * logicalDpi / 96, cell = side / 4, margin = (side - 4 * cell) / 2;
    QPixmap picture(side, side);
    picture.fill(Qt::white);
    FigureBox box;
    decodePattern(sequenceKindPattern(kind), box);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 0, 128));
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (box[x][y]) p.drawRect(margin + x * cell, margin + y * cell, cell - 1, cell - 1);
    return picture;
}

}  // namespace tumblix
