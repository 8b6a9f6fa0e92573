// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

namespace tumblix {

// The largest of the design font and its smaller sizes (in half points, down to 5 points) in
// which text, laid out with flags, fits into room.
QFont fittingFont(const QFont& design, const QString& text, const QRect& room, int flags);

// Gives a label the largest font, up to the one it had at the first call, that shows its whole
// text; call it again after each change of the text.
void fitLabelFont(QLabel& label);

}  // namespace tumblix
