// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fitting_font.h"

#include <QFontMetrics>
#include <QLabel>

namespace tumblix {

QFont fittingFont(const QFont& design, const QString& text, const QRect& room, int flags) {
    QFont f = design;
    auto fits = [&] {
        QSize need = QFontMetrics(f).boundingRect(room, flags, text).size();
        return need.width() <= room.width() && need.height() <= room.height();
    };
    while (!text.isEmpty() && !fits() && f.pointSizeF() > 5) f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

void fitLabelFont(QLabel& label) {
    if (!label.property("designFont").isValid()) label.setProperty("designFont", label.font());
    int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    label.setFont(fittingFont(label.property("designFont").value<QFont>(), label.text(),
                              label.contentsRect(), flags));
}

}  // namespace tumblix
