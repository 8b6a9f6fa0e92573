// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/help_tour.h"
#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

const Color kButton = rgb(4, 5, 6);

class ButtonsTest : public ControlsTest {
  protected:
    ButtonsTest() { s().DownButtonColor = kButton; }
    Color back(Ctl c) const { return game.panel()[c].backColor; }
};

TEST_F(ButtonsTest, SidewaysButtonsMoveOnlyWhenTheFigureFits) {
    s().board.set(11, 13, 1);
    put(kBar, 9, 10);
    buttons.cmdLeftRight_MouseDown(2);  // onto the filled cell: refused, but the button lights
    EXPECT_EQ(
        std::tuple(s().FigureX, s().FigureClicks, host.sounds.size(), back(Ctl::cmdLeftRight2)),
        std::tuple(9, 0L, 0u, colors::green));
}

// The upper row lights green from left to right, one button a step, then stops. The pointer
// lights one button at a time in the normal colours swapped; a landing puts them back.
TEST_F(ButtonsTest, MenuLightRunsAlongTheUpperRowAndThePointerLightsOneButton) {
    menu.startMenuLight();
    std::vector<Ctl> lit;
    for (int i = 0; i < 9 && game.panel().timer(Timer::tmrMigMenuControls).enabled; ++i) {
        menu.tmrMigMenuControls_Timer();
        for (Ctl c : Menu::kUpperRow)
            if (back(c) == colors::green) lit.push_back(c);
    }
    EXPECT_EQ(lit,
              (std::vector{Ctl::chkPause, Ctl::chkHelp, Ctl::chkDemo, Ctl::chkSet, Ctl::chkExit}));
    menu.upperButton_MouseMove(Ctl::chkHelp);
    menu.upperButton_MouseMove(Ctl::chkExit);
    EXPECT_EQ(
        std::tuple(back(Ctl::chkHelp), back(Ctl::chkExit), game.panel()[Ctl::chkExit].foreColor),
        std::tuple(Game::kMenuBack, Game::kMenuText, Game::kMenuBack));
    land();
    EXPECT_EQ(back(Ctl::chkExit), Game::kMenuBack);
}

// What a drop shows is pinned through the real buttons and keys; here its sound, and the
// sounds of the help tour's codes 1 to 7.
TEST_F(ButtonsTest, DropAndTheTourCodesPickTheirSounds) {
    random.push({0.9});
    buttons.cmdDown_MouseDown();
    buttons.cmdDown_MouseDown();
    for (int code = 0; code <= 8; ++code) PlayEventSound(game, code);
    EXPECT_EQ(host.sounds, (std::vector<Sound>{Sound::mDrop1, Sound::mDrop2, Sound::mTumblix1,
                                               Sound::mDown1, Sound::mLeft1, Sound::mRight1,
                                               Sound::mRotate1, Sound::mDrop1, Sound::mDelLin1}));
}

TEST_F(ButtonsTest, MouseOverTheBoardJumpsTheFigureToTheColumnUnderIt) {
    put(kBar, 9, 10);
    buttons.picTumblix_MouseMove(2000);  // 2000 / 250 + 3 = 11
    EXPECT_EQ(std::tuple(s().FigureX, buttons.lastMouseColumn(), back(Ctl::cmdLeftRight2)),
              std::tuple(11, 11, colors::green));
    buttons.picTumblix_MouseMove(2200);   // same column: nothing (the clicks count below)
    buttons.picTumblix_MouseMove(249.6);  // rounds to 250: column 4
    EXPECT_EQ(std::tuple(s().FigureX, back(Ctl::cmdLeftRight0), back(Ctl::cmdLeftRight2)),
              std::tuple(4, colors::green, kButton));
    EXPECT_EQ(host.sounds, (std::vector<Sound>{Sound::mRight1, Sound::mLeft1}));
    buttons.picTumblix_MouseMove(3800);  // column 18 would put the bar in the margin
    EXPECT_EQ(std::make_pair(s().FigureX, buttons.lastMouseColumn()), std::make_pair(4, 4));

    s().Dropping = true;
    buttons.picTumblix_MouseMove(2000);
    s().Dropping = false;
    s().GameRunning = false;
    buttons.picTumblix_MouseMove(2000);
    buttons.picTumblix_MouseDown(1);  // no turn either
    EXPECT_EQ(std::make_pair(s().FigureX, s().FigureClicks), std::pair(4, 2L));
}

// A key's release gives its buttons their colour back; Left and Right both horizontal ones.
TEST_F(ButtonsTest, KeyReleasesRestoreTheirButtons) {
    const Ctl all[] = {Ctl::cmdLeftRight0, Ctl::cmdLeftRight2, Ctl::cmdRotate0, Ctl::cmdSpace};
    std::string restored;
    for (int key : {vk::Left, vk::Right, vk::Up, vk::Space, vk::Down}) {
        for (Ctl c : all) game.panel().setBackColor(c, colors::green);
        keys.Form_KeyUp(key);
        for (Ctl c : all) restored += back(c) == kButton ? '1' : '0';
        restored += ' ';
    }
    EXPECT_EQ(restored, "1100 1100 0010 0001 0000 ");
}

// After "Нет" to a new game, leaving the pause starts no gravity.
TEST_F(ButtonsTest, LeavingThePauseAfterTheLastGameStartsNoGravity) {
    landIntoGameOver();
    menu.setValue(Ctl::chkPause, 1);
    menu.setValue(Ctl::chkPause, 0);
    EXPECT_FALSE(game.panel().timer(Timer::tmrDown).enabled);
}

// While paused the demo still moves, turns and drops, but never inverts.
TEST_F(ButtonsTest, DemoPicksItsMoveFromTheSecondDraw) {
    const FigureBox j = boxFromRows(kJ);
    for (int paused : {0, 1}) {
        menu.setValue(Ctl::chkPause, paused);
        for (int k = 0; k <= 23; ++k) {
            put(kJ, 9, 10);
            s().Dropping = false;
            random.push({k == 23 ? 0.9999 : 0.0, k / 23.0});  // the next interval: 5 to 755 ms
            menu.tmrDemo_Timer();
            EXPECT_EQ(game.panel().timer(Timer::tmrDemo).interval, k == 23 ? 755 : 5);
            char got = s().Dropping                        ? 'D'
                       : s().FigureX == 8                  ? 'L'
                       : s().FigureX == 10                 ? 'R'
                       : s().Figure == rotatedClockwise(j) ? 'T'
                       : s().Figure == inverted(j)         ? 'I'
                                                           : '-';
            EXPECT_EQ(got, (paused ? "-LLLLLLLRRRRRRRRTTTTDD--" : "ILLLLLLLRRRRRRRRTTTTDDII")[k])
                << "k = " << k << ", paused " << paused;
        }
    }
}

}  // namespace
}  // namespace tumblix::test
