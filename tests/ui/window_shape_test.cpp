#include <gtest/gtest.h>

#include "ui/window_fixture.h"
#include "ui/window_shape.h"

namespace tumblix::testing {
namespace {

std::vector<ShapePiece> designPieces() {
    // Frames and bars in pixels at 96 dots per inch (15 twips a pixel).
    return {{"fraTumblix", false, QRect(8, 8, 249, 441)},
            {"fraLeft", false, QRect(272, 16, 161, 425)},
            {"fraBottom", false, QRect(56, 464, 129, 57)},
            {"fraBottomRight", false, QRect(216, 456, 217, 73)},
            {"Label1", true, QRect(256, 168, 41, 2)},
            {"Label5", true, QRect(267, 0, 2, 169)}};
}

TEST(WindowShapeTest, OffsetsFollowTheCaptionHeightAndMinimumSize) {
    EXPECT_EQ(shapeOffsets({19, 112, 27}).top, 24);
    EXPECT_EQ(shapeOffsets({19, 112, 27}).left, 0);
    EXPECT_EQ(shapeOffsets({25, 123, 27}).top, 26);  // a tall caption puts everything 2 lower
    EXPECT_EQ(shapeOffsets({25, 131, 33}).left, 4);
    EXPECT_EQ(shapeOffsets({20, 117, 30}).top, 26);  // (30 - 27) / 2 = 1.5 rounds to 2
}

TEST(WindowShapeTest, ShapeIsTheTitleStripFramesAndBars) {
    for (WindowMetrics m : {WindowMetrics{19, 112, 27}, WindowMetrics{25, 123, 27}}) {
        int T = shapeOffsets(m).top;
        QRegion shape = windowShape(m, 449, designPieces());
        SCOPED_TRACE(T);
        EXPECT_TRUE(shape.contains(QPoint(448, T - 1)));     // the strip spans the width
        EXPECT_FALSE(shape.contains(QPoint(448, T + 1)));    // beside the score panel
        EXPECT_TRUE(shape.contains(QPoint(100, T + 200)));   // inside the board frame
        EXPECT_FALSE(shape.contains(QPoint(8 + 4, T + 8)));  // its rounded corner is cut
        EXPECT_TRUE(shape.contains(QPoint(8 + 20, T + 8)));  // but not its straight edge
        EXPECT_TRUE(shape.contains(QPoint(266, T + 168)));   // the bar to the score panel
        EXPECT_FALSE(shape.contains(QPoint(266, T + 170)));  // it is two pixels high
        EXPECT_FALSE(shape.contains(QPoint(30, T + 470)));   // the desktop beside the buttons
        EXPECT_FALSE(shape.contains(QPoint(200, T + 500)));  // and between the lower frames
        EXPECT_TRUE(shape.contains(QPoint(300, T + 490)));   // the menu frame
    }
}

TEST(WindowShapeTest, RoundRectCornersAreEllipses) {
    QRegion r = roundRectRegion(0, 0, 100, 60, 30, 30);
    EXPECT_TRUE(r.contains(QPoint(50, 0)));
    EXPECT_TRUE(r.contains(QPoint(0, 30)));
    EXPECT_FALSE(r.contains(QPoint(1, 1)));
    EXPECT_FALSE(r.contains(QPoint(99, 59)));
    EXPECT_FALSE(r.contains(QPoint(100, 30)));  // the right edge is left out
    EXPECT_TRUE(roundRectRegion(10, 10, 10, 50, 30, 30).isEmpty());
}

using MainWindowShapeTest = WindowTest;

TEST_F(MainWindowShapeTest, TheWindowIsShapedOnceAndKeepsItsSize) {
    QRegion mask = window->mask();
    ASSERT_FALSE(mask.isEmpty());
    QWidget* board = window->control("fraTumblix");
    QPoint inside = board->mapTo(window.get(), board->rect().center());
    EXPECT_TRUE(mask.contains(inside));
    QPoint between = window->control("fraBottom")->mapTo(window.get(), QPoint(-20, 10));
    EXPECT_FALSE(mask.contains(between));

    // Each outer frame's top-left corner is where its shaped piece begins; the two frames with
    // wide corners reach one pixel further left.
    struct Edge {
        const char* frame;
        int reach;
    };
    for (Edge e :
         {Edge{"fraTumblix", 0}, {"fraLeft", 1}, {"fraBottom", 1}, {"fraBottomRight", 0}}) {
        SCOPED_TRACE(e.frame);
        QWidget* f = window->control(e.frame);
        QPoint left = f->mapTo(window.get(), QPoint(0, f->height() / 2));
        QPoint top = f->mapTo(window.get(), QPoint(f->width() / 2, 0));
        EXPECT_TRUE(mask.contains(left + QPoint(1, 0)));
        EXPECT_FALSE(mask.contains(left - QPoint(e.reach + 1, 0)));
        EXPECT_TRUE(mask.contains(top));
        if (top.y() > shapeOffsets(window->windowMetrics()).top) {
            EXPECT_FALSE(mask.contains(top - QPoint(0, 1)));
        }
    }

    window->RebuildWindowRgn({30, 200, 80});  // a second call changes nothing
    EXPECT_EQ(window->mask(), mask);

    QSize size = window->size();
    window->resize(size + QSize(120, 80));  // as a border drag would
    EXPECT_EQ(window->size(), size);
}

}  // namespace
}  // namespace tumblix::testing
