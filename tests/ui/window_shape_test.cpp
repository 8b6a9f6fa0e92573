#include <gtest/gtest.h>

#include "ui/window_fixture.h"
#include "ui/window_shape.h"

namespace tumblix::testing {
namespace {

TEST(WindowShapeTest, OffsetsFollowTheCaptionHeightAndMinimumSize) {
    // A tall caption puts everything 2 lower; halves round to even.
    const std::tuple<WindowMetrics, int, int> cases[] = {{{19, 112, 27}, 24, 0},
                                                         {{25, 123, 27}, 26, 0},
                                                         {{25, 131, 33}, 29, 4},
                                                         {{20, 117, 30}, 26, 2}};
    for (auto [m, top, left] : cases) {
        EXPECT_EQ(shapeOffsets(m).top, top) << m.captionHeight << " " << m.minHeight;
        EXPECT_EQ(shapeOffsets(m).left, left) << m.minWidth;
    }
    EXPECT_TRUE(roundRectRegion(10, 10, 10, 50, 30, 30).isEmpty());
}

using MainWindowShapeTest = WindowTest;

// The shape is the title strip, the outer frames with rounded corners and the bars between.
TEST_F(MainWindowShapeTest, TheWindowIsShapedOnceAndKeepsItsSize) {
    QRegion mask = window->mask();
    ASSERT_FALSE(mask.isEmpty());
    const int T = shapeOffsets(window->windowMetrics()).top;
    EXPECT_TRUE(mask.contains(QPoint(window->width() - 1, T - 1)));  // the strip spans the width
    EXPECT_FALSE(mask.contains(QPoint(window->width() - 1, T + 1)));
    QPoint between = window->control("fraBottom")->mapTo(window.get(), QPoint(-20, 10));
    EXPECT_FALSE(mask.contains(between));
    QPoint bar = window->control("Label1")->mapTo(window.get(), QPoint(6, 1));
    EXPECT_TRUE(mask.contains(bar));
    EXPECT_FALSE(mask.contains(bar + QPoint(0, 2)));  // it is two pixels high

    // Each outer frame's top-left corner is where its shaped piece begins; the two frames with
    // wide corners reach one pixel further left.
    for (auto [frame, reach] :
         {std::pair{"fraTumblix", 0}, {"fraLeft", 1}, {"fraBottom", 1}, {"fraBottomRight", 0}}) {
        SCOPED_TRACE(frame);
        QWidget* f = window->control(frame);
        QPoint left = f->mapTo(window.get(), QPoint(0, f->height() / 2));
        QPoint top = f->mapTo(window.get(), QPoint(f->width() / 2, 0));
        EXPECT_TRUE(mask.contains(left + QPoint(1, 0)));
        EXPECT_FALSE(mask.contains(left - QPoint(reach + 1, 0)));
        EXPECT_TRUE(mask.contains(top));
        EXPECT_TRUE(mask.contains(f->mapTo(window.get(), f->rect().center())));
        if (top.y() > T) {
            EXPECT_FALSE(mask.contains(top - QPoint(0, 1)));
        }
    }
    QPoint corner = window->control("fraTumblix")->mapTo(window.get(), QPoint(0, 1));
    EXPECT_FALSE(mask.contains(corner));  // the corner is cut round
    EXPECT_TRUE(mask.contains(corner + QPoint(16, 0)));

    window->RebuildWindowRgn({30, 200, 80});  // a second call changes nothing
    EXPECT_EQ(window->mask(), mask);
    QSize size = window->size();
    window->resize(size + QSize(120, 80));  // as a border drag would
    EXPECT_EQ(window->size(), size);
}

}  // namespace
}  // namespace tumblix::testing
