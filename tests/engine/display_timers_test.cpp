#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

struct DisplayTimersTest : GameTest {
    Color fore(Ctl c) const { return game.panel()[c].foreColor; }
    bool running(Timer t) const { return game.panel().timer(t).enabled; }
};

TEST_F(DisplayTimersTest, LinesLabelBlinksSixStepsAndEndsVisible) {
    game.panel().setBackColor(Ctl::fraLines, 0xC0C0C0);
    clearRows(1);
    ASSERT_TRUE(running(Timer::tmrMigCountLines));
    Ctl one = lblCountLines(1);
    game.tmrMigCountLines_Timer();
    EXPECT_EQ(fore(one), 0xC0C0C0u);  // hidden in the frame's colour
    game.tmrMigCountLines_Timer();
    EXPECT_EQ(fore(one), colors::black);

    // A second removal while it blinks moves the blinking to the new label.
    clearRows(2);
    EXPECT_EQ(fore(one), colors::black);
    for (int step = 1; step <= 5; ++step) {
        game.tmrMigCountLines_Timer();
        EXPECT_EQ(fore(one), colors::black);
        EXPECT_TRUE(running(Timer::tmrMigCountLines)) << step;
    }
    game.tmrMigCountLines_Timer();
    EXPECT_FALSE(running(Timer::tmrMigCountLines));
    EXPECT_EQ(fore(lblCountLines(2)), colors::black);
    EXPECT_EQ(s().BlinkCount, 0);
}

TEST_F(DisplayTimersTest, LevelChangeFlashesTheWindowSixteenSteps) {
    s().LevelLines = 6;
    clearRows(1);
    ASSERT_EQ(s().Level, 1);
    ASSERT_TRUE(running(Timer::tmrLevel));
    random.push({0.999});  // colour 15 (white) at the first step
    game.tmrLevel_Timer();
    EXPECT_EQ(game.panel()[Ctl::frmMain].backColor, qbColor(15));
    EXPECT_EQ(fore(Ctl::lblLevel), qbColor(15));
    for (int step = 2; step <= 15; ++step) game.tmrLevel_Timer();
    EXPECT_TRUE(running(Timer::tmrLevel));
    game.tmrLevel_Timer();
    EXPECT_FALSE(running(Timer::tmrLevel));
    EXPECT_EQ(game.panel()[Ctl::frmMain].backColor, colors::black);
    EXPECT_EQ(fore(Ctl::lblLevel), qbColor(2));  // the colour after level 1

    s().Level = 6;  // level 6 takes colour 13, not 7
    for (int step = 1; step <= 16; ++step) game.tmrLevel_Timer();
    EXPECT_EQ(fore(Ctl::lblLevel), qbColor(13));
}

}  // namespace
}  // namespace tumblix::test
