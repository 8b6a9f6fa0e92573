#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

using MenuLightTest = ControlsTest;

TEST_F(MenuLightTest, LightsTheUpperButtonsInTurnAndLeavesThemAsTheyWere) {
    const Ctl order[] = {Ctl::chkPause, Ctl::chkHelp, Ctl::chkDemo, Ctl::chkSet, Ctl::chkExit};
    Color normal = s().MenuBackColor;
    menu.startMenuLight();
    for (int tick = 0; tick < 5; ++tick) {
        menu.tmrMigMenuControls_Timer();
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(game.panel()[order[k]].backColor, k == tick ? colors::green : normal)
                << "tick " << tick + 1 << ", button " << k;
    }
    EXPECT_TRUE(game.panel().timer(Timer::tmrMigMenuControls).enabled);
    menu.tmrMigMenuControls_Timer();  // the sixth tick ends the run
    EXPECT_FALSE(game.panel().timer(Timer::tmrMigMenuControls).enabled);
    for (Ctl c : order) EXPECT_EQ(game.panel()[c].backColor, normal);

    menu.startMenuLight();  // a second run starts from the first button again
    menu.tmrMigMenuControls_Timer();
    EXPECT_EQ(game.panel()[Ctl::chkPause].backColor, colors::green);
}

}  // namespace
}  // namespace tumblix::test
