// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>

#include "widgets/fitting_font.h"
#include "widgets/picture_box.h"
#include "widgets/qt_color.h"

namespace tumblix {
namespace {

// The board picture keeps what was drawn in its user units, also when it was drawn before
// the widget got its final size.
TEST(PictureBoxTest, DrawsInUserUnitsAndErasesExactlyWhatWasDrawn) {
    PictureBox pic(nullptr, 3760, 7760);
    pic.resize(376, 776);
    pic.setBackColor(colors::black);
    pic.clear();
    pic.setFillColor(rgb(200, 100, 50));
    pic.frameBox(28, 28, 222, 222, colors::cyan);
    const QImage& img = pic.image();
    // The outline, the fill, and outside.
    EXPECT_EQ(std::tuple(img.pixel(3, 3), img.pixel(12, 12), img.pixel(30, 30)),
              std::tuple(qRgb(0, 255, 255), qRgb(200, 100, 50), qRgb(0, 0, 0)));

    pic.fillBox(28, 28, 222, 222, colors::black);
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 30; ++y)
            ASSERT_EQ(img.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
}

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
