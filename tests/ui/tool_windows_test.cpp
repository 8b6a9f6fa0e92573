// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QListWidget>
#include <filesystem>
#include <fstream>

#include "mp3/mp3_window.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"
#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

// Clicks in the statistics window leave the keyboard with the game.
TEST_F(WindowTest, ClicksInASideWindowLeaveTheKeyboardWithTheGame) {
    ListWindow& stat = window->statistic();
    QListWidget& list = stat.list();  // holding the game's first log lines
    for (auto* l : {&list, &window->tumbliFathers().list()})
        EXPECT_EQ(std::pair(l->font().families().front().toStdString(),
                            QFontInfo(l->font()).fixedPitch()),
                  std::pair(std::string("Courier New"), true));
    stat.activateWindow();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(std::pair(list.hasFocus(), window->focusWidget()), std::pair(false, board()));

    // A key that still reaches a side window goes to the game.
    standI(9, 5);
    QTest::keyClick(list.viewport(), Qt::Key_Left);
    EXPECT_EQ(state().FigureX, 8);
}

TEST_F(WindowTest, ClosingASideWindowHidesItAndReleasesItsMenuButton) {
    ListWindow& best = window->tumbliFathers();
    ASSERT_EQ(button("chkRec")->isChecked(), true);
    best.close();
    EXPECT_EQ(std::pair(best.isVisible(), button("chkRec")->isChecked()), std::pair(false, false));
    QTest::mouseClick(button("chkRec"), Qt::LeftButton);
    EXPECT_TRUE(best.isVisible());

    for (const char* name : {"chkStat", "chkMP3"}) QTest::mouseClick(button(name), Qt::LeftButton);
    EXPECT_EQ(std::pair(window->statistic().isVisible(), window->mp3().isVisible()),
              std::pair(false, false));
    // The strip's close button ends the program, which closes the side windows for good.
    window->findChild<QPushButton*>("cmdClose")->click();
    EXPECT_TRUE(best.isHidden());
}

TEST_F(WindowTest, DockedPlacesGridAndGhostSurviveARoundTripNeverOverAnUnreadableFile) {
    const std::filesystem::path ini = folder.path().toStdString() + "/Tmbx.ini";
    auto savedSettings = [&] {
        std::ifstream in(ini, std::ios::binary);
        return parseSettings(in, folder.path().toStdString());
    };
    Settings start;
    start.mainWindow = {1000, 2000};
    start.frmStatistic.reset();
    start.frmFuture = Point{3001, 4001};
    start.iFantom = 2;  // the grid and the ghost come back through the game
    start.bDrawSetka = false;
    std::ofstream file(ini, std::ios::binary);
    formatSettings(file, start);
    file.close();
    window->setSettingsFile(ini);
    window->LoadSettings();
    window->SaveSettings();  // nothing moved: the very twips come back
    Settings saved = savedSettings().value();
    EXPECT_EQ(std::tuple(window->pos(), window->statistic().isVisible(), saved.frmFuture,
                         saved.frmStatistic, saved.iFantom, saved.bDrawSetka),
              std::tuple(QPoint(67, 133), false, start.frmFuture, std::nullopt, 2, false));

    window->game().settings() = GameSettings{0, true};  // as the settings dialog sets them
    QTest::mouseClick(button("chkAuto"), Qt::LeftButton);
    window->SaveSettings();
    saved = savedSettings().value();
    EXPECT_EQ(std::tuple(button("chkAuto")->isChecked(), panel()[Ctl::chkStat].value,
                         saved.mainWindow, *saved.frmFuture, *saved.frmStatistic,
                         *saved.frmTumbliFathers, *saved.frmMP3, saved.iFantom, saved.bDrawSetka),
              std::tuple(false, 1, Point{1000, 2000}, Point{7755, 2000}, Point{7755, 3500},
                         Point{7755, 8100}, Point{7755, 6800}, 0, true));
    // A settings file that cannot be read is never written over.
    std::filesystem::remove(ini);
    ASSERT_EQ(mkfifo(ini.c_str(), 0644), 0);
    window->LoadSettings();
    window->SaveSettings();
    EXPECT_TRUE(std::filesystem::is_fifo(ini));
}

// The two-pixel edge of a button, row by row.
std::vector<QRgb> edge(QPushButton* b) {
    QImage shown = b->grab().toImage();
    std::vector<QRgb> ring;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (x < 2 || y < 2 || x >= shown.width() - 2 || y >= shown.height() - 2)
                ring.push_back(shown.pixel(x, y));
    return ring;
}

TEST_F(WindowTest, TickedMenuButtonsLookPressedInOnEveryBackColour) {
    for (Ctl c : {Ctl::chkFuture, Ctl::chkRec, Ctl::chkStat, Ctl::chkMP3, Ctl::chkPause}) {
        QPushButton* b = button(std::string(ctlName(c)).c_str());
        panel().setValue(c, 0);
        std::vector<QRgb> up = edge(b);
        panel().setValue(c, 1);
        EXPECT_NE(edge(b), up) << ctlName(c);
    }
}

}  // namespace
}  // namespace tumblix::testing
