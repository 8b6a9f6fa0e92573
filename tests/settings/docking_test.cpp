#include <gtest/gtest.h>

#include "settings/docking.h"
#include "ui/main_layout.h"

namespace tumblix::test {
namespace {

TEST(Docking, ColumnStandsRightOfTheMainWindowWhereTheDefaultFilePutsIt) {
    using enum SideWindow;
    const std::array<DockPlace, 4> expected{{{frmTumbliFathers, {7755, 8100}},
                                             {frmStatistic, {7755, 3500}},
                                             {frmFuture, {7755, 2000}},
                                             {frmMP3, {7755, 6800}}}};
    EXPECT_EQ(dockColumn({1000, 2000}, kMainWidthTwips), expected);

    Settings s;
    auto column = dockColumn(s.mainWindow, kMainWidthTwips);
    EXPECT_EQ(column[0].place, s.frmTumbliFathers);
    EXPECT_EQ(column[1].place, s.frmStatistic);
    EXPECT_EQ(column[2].place, s.frmFuture);
    EXPECT_EQ(column[3].place, s.frmMP3);
}

}  // namespace
}  // namespace tumblix::test
