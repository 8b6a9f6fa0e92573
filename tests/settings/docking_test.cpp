#include <gtest/gtest.h>

#include "settings/docking.h"
#include "ui/main_layout.h"

namespace tumblix::test {
namespace {

TEST(Docking, ColumnStandsRightOfTheMainWindowWhereTheDefaultFilePutsIt) {
    EXPECT_EQ(dockColumn({1000, 2000}, kMainWidthTwips)[3].place, (Point{7755, 6800}));
    Settings s;
    auto column = dockColumn(s.mainWindow, kMainWidthTwips);
    EXPECT_EQ(column[0].place, s.frmTumbliFathers);
    EXPECT_EQ(column[1].place, s.frmStatistic);
    EXPECT_EQ(column[2].place, s.frmFuture);
    EXPECT_EQ(column[3].place, s.frmMP3);
}

}  // namespace
}  // namespace tumblix::test
