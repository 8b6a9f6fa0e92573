// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>

#include "widgets/fitting_font.h"

namespace tumblix {
namespace {

// A label shrinks its font for a long text and grows back to its own size for a short one; a
// word-wrapped label fits its text over its lines.
TEST(FittingFontTest, ALabelShrinksForALongTextGrowsBackAndWrapsOverItsLines) {
    QLabel label;
    QFont design = label.font();
    design.setPointSize(12);
    label.setFont(design);
    label.resize(QFontMetrics(design).horizontalAdvance("Tumblix Tumblix") + 4, 60);
    const QString longText = "Tumblix Tumblix Tumblix Tumblix", shortText = "Tumblix";
    for (auto [text, wrap, shrunk] :
         {std::tuple{longText, false, true}, {shortText, false, false}, {longText, true, false}}) {
        label.setWordWrap(wrap);
        label.setText(text);
        fitLabelFont(label);
        EXPECT_EQ(label.font().pointSizeF() < 12, shrunk) << text.toStdString() << wrap;
    }
}

}  // namespace
}  // namespace tumblix
