// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include "chooser/file_chooser.h"
#include "mp3/mp3_window.h"
#include "sequence/sequence_editor.h"
#include "settings/settings_file.h"
#include "settings_dialog/settings_dialog.h"
#include "ui/settings_hook.h"
#include "ui/window_fixture.h"
#include "ui/window_shape.h"

namespace tumblix::testing {
namespace {

// Steps from a point until the region is reached.
int stepsIn(const QRegion& r, QPoint from, QPoint step) {
    int n = 0;
    while (!r.contains(from) && n < 200) from += step, ++n;
    return n;
}

// The shape is the title strip, the outer frames with rounded corners and the bars between;
// the board frame's edges at the real window system's title height are the end-to-end
// outline case's.
TEST_F(WindowTest, TheWindowIsShapedByItsCaptionFramesAndBarsAndKeepsItsSize) {
    QRegion mask = window->mask();
    // Each outer frame's shaped piece begins at its top and at its left edge (the frame with
    // the widest corners one pixel further left); its top-left corner is cut round by an
    // ellipse of its own: the shape's first pixel along the top row and the leftmost column.
    for (auto [name, leftEdge, cornerWidth, cornerHeight] : {std::tuple{"fraTumblix", 0, 12, 12},
                                                             {"fraLeft", -1, 31, 32},
                                                             {"fraBottom", 0, 36, 24},
                                                             {"fraBottomRight", 0, 12, 12}}) {
        SCOPED_TRACE(name);
        QWidget* f = window->control(name);
        QPoint corner = f->mapTo(window.get(), QPoint(0, 0));
        int left = stepsIn(mask, corner + QPoint(-5, f->height() / 2), {1, 0}) - 5;
        EXPECT_EQ(std::tuple(left, stepsIn(mask, corner + QPoint(f->width() / 2, -5), {0, 1}),
                             mask.contains(f->mapTo(window.get(), f->rect().center())),
                             stepsIn(mask, corner, {1, 0}),
                             stepsIn(mask, corner + QPoint(left, 0), {0, 1})),
                  std::tuple(leftEdge, 5, true, cornerWidth, cornerHeight));
    }
    // A border drag, with the size hints gone as under a manager that ignores them.
    QSize size = window->size();
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(size + QSize(120, 80));
    QApplication::processEvents();
    EXPECT_EQ(window->size(), size);
    // The client stands 24 pixels down, 2 more under a caption taller than 20 pixels, and half
    // the smallest window's extra width across; the title strip and the bars are cut square, and
    // each corner of a frame round by an ellipse of its own width and height.
    for (auto [m, top, left] : {std::tuple{WindowMetrics{19, 112, 27}, 24, 0},
                                {WindowMetrics{20, 120, 28}, 24, 4},
                                {WindowMetrics{21, 123, 29}, 27, 0},
                                {WindowMetrics{25, 131, 33}, 29, 4}})
        EXPECT_EQ(std::pair(shapeOffsets(m).top, shapeOffsets(m).left), std::pair(top, left))
            << m.captionHeight;
    QRegion r = roundRectRegion(10, 10, 110, 60, 40, 20);
    for (auto [x, y, dx, dy, across, down] : {std::tuple{10, 10, 1, 1, 20, 8},
                                              {109, 10, -1, 1, 20, 8},
                                              {10, 59, 1, -1, 12, 7},
                                              {109, 59, -1, -1, 12, 7}})
        EXPECT_EQ(std::pair(stepsIn(r, {x, y}, {dx, 0}), stepsIn(r, {x, y}, {0, dy})),
                  std::pair(across, down))
            << x << "," << y;
    QRegion shape = windowShape({19, 120, 27}, 300, {{"bar", true, QRect(50, 100, 20, 5)}});
    EXPECT_EQ(shape, QRegion(0, 0, 300, 24) + QRegion(54, 124, 20, 5));
}

// "<" and ">" stand beside "^" and "V" from the top of the one to the bottom of the other (a
// click on them is the mouse test's). The control buttons take
// a random palette colour each game: on the colours where their black arrows do not read well
// the captions turn white, and a caption colour that reads well stays.
TEST_F(WindowTest, ArrowButtonsReachDownAndReadWellAndTickedMenuButtonsLookPressedIn) {
    QWidget* frame = window->control("fraControl");
    const QRect rotate = window->control("cmdRotate(0)")->geometry(),
                down = window->control("cmdDown")->geometry();
    for (const char* name : {"cmdLeftRight(0)", "cmdLeftRight(2)"}) {
        QWidget* arrow = window->control(name);
        QPoint lower(arrow->geometry().center().x(), down.bottom() - 2);
        EXPECT_EQ(std::pair(arrow->geometry().top(), frame->childAt(lower)),
                  std::pair(rotate.top(), arrow))
            << name;
    }
    auto caption = [&](Color back) {
        panel().setBackColor(Ctl::cmdDown, back);
        return QColor(button("cmdDown")->styleSheet().section(" color: ", 1).left(7));
    };
    std::string shown;
    for (int n = 0; n < 16; ++n) shown += caption(qbColor(n)) == Qt::white ? 'W' : '-';
    EXPECT_EQ(shown, "WWWWWW---W------");
    panel().setForeColor(Ctl::cmdDown, colors::yellow);
    EXPECT_EQ(caption(qbColor(9)), Qt::yellow);
    // The ticked menu buttons look pressed in on every back colour.
    for (Ctl c : {Ctl::chkFuture, Ctl::chkRec, Ctl::chkStat, Ctl::chkMP3, Ctl::chkPause}) {
        // The button's two-pixel top edge.
        auto edge = [b = button(std::string(ctlName(c)).c_str())] {
            return b->grab().toImage().copy(0, 0, b->width(), 2);
        };
        panel().setValue(c, 0);
        QImage up = edge();
        panel().setValue(c, 1);
        EXPECT_NE(edge(), up) << ctlName(c);
    }
    // Frames and labels take the colours the game gives them.
    panel().setBackColor(Ctl::fraLines, rgb(1, 2, 3));
    panel().setForeColor(Ctl::lblScore, rgb(4, 5, 6));
    EXPECT_EQ(std::pair(window->control("fraLines")->palette().color(QPalette::Window),
                        window->control("lblScore")->palette().color(QPalette::WindowText)),
              std::pair(QColor(1, 2, 3), QColor(4, 5, 6)));
}

// Every input first runs the gravity ticks due while no frame came (a pause, by a minimise too,
// runs them itself: the tick driver's test). The pause button stops gravity and gates the keys
// without minimising; Esc also minimises the window, and a second press of either resumes.
// Minimising the window pauses, and restoring it leaves the pause: no timer runs, no tick falls.
TEST_F(WindowTest, InputsCatchUpWithGravityAndPauseButtonEscAndMinimisingStopIt) {
    panel().setTimerEnabled(Timer::tmrDown, true);
    QTest::qSleep(30);
    QTest::keyRelease(board(), Qt::Key_Down);  // no event loop ran: only the key brings them
    EXPECT_GE(window->ticks, 14);
    QTimer& gravity = window->timer(Timer::tmrDown);
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc);
        panel().setTimerEnabled(Timer::tmrDown, true);
        for (bool paused : {true, false}) {
            esc ? key(Qt::Key_Escape) : QTest::mouseClick(button("chkPause"), Qt::LeftButton);
            // Ticked, running (which gates the keys: the keyboard tests), gravity, the control
            // frame (which covers "Pause"), "Pause", Esc still pressed, minimised; the side
            // windows go down and come back with the main window.
            const bool down = esc && paused;
            EXPECT_EQ(
                std::tuple(button("chkPause")->isChecked(), state().GameRunning, gravity.isActive(),
                           window->control("fraControl")->isVisible(),
                           window->control("lblPause")->isVisible(), window->menu().EscPressed,
                           window->isMinimized(), window->statistic().isMinimized(),
                           window->tumbliFathers().isMinimized(), window->statistic().isVisible()),
                std::tuple(paused, !paused, !paused, !paused, true, false, down, down, down, true));
        }
    }
    QTest::mouseClick(window->findChild<QPushButton*>("cmdMinimize"), Qt::LeftButton);
    EXPECT_EQ(std::pair(window->isMinimized(), panel()[Ctl::chkPause].value), std::pair(true, 1));
    window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(panel()[Ctl::chkPause].value, 1);
    for (int t = 0; t < static_cast<int>(Timer::Count); ++t)
        EXPECT_FALSE(window->timer(static_cast<Timer>(t)).isActive()) << t;
    int ticks = window->ticks;
    QTest::qSleep(30);
    QTest::keyRelease(board(), Qt::Key_Down);
    EXPECT_EQ(window->ticks, ticks);
}

// The pointer along the upper menu row lights Pause, Help, Demo, Set and Exit in turn.
TEST_F(WindowTest, ThePointerLightsTheUpperMenuRowInOrderAndAGamesEndClosesTheSettings) {
    QWidget* pause = window->control("chkPause");
    std::vector<std::string_view> lit;
    for (QPoint at = pause->mapTo(window.get(), pause->rect().center()); at.x() < window->width();
         at.rx() += 4) {
        QTest::mouseMove(window.get(), at);
        for (Ctl c : {Ctl::chkPause, Ctl::chkHelp, Ctl::chkDemo, Ctl::chkSet, Ctl::chkExit})
            if (panel()[c].backColor == Game::kMenuText &&
                (lit.empty() || lit.back() != ctlName(c)))
                lit.push_back(ctlName(c));
    }
    EXPECT_EQ(lit, (std::vector<std::string_view>{"chkPause", "chkHelp", "chkDemo", "chkSet",
                                                  "chkExit"}));

    // "Set" opens the settings dialog, which the end of a game takes away with its editor.
    SettingsValues values;
    values.sequence.SequenceOn = true;
    installSettingsDialog(*window, values.sounds, values.sequence);
    EXPECT_TRUE(window->game().chooser().sequenceOn());
    int shown =
        answerModal<frmSettings>([&] { QTest::mouseClick(button("chkSet"), Qt::LeftButton); },
                                 [&](frmSettings& d) {
                                     frmOpen::shared();
                                     answerModal<frmSeq>(  // the editor opened from it
                                         [&] { d.findChild<QPushButton*>("cmdSeq")->click(); },
                                         [&](frmSeq& editor) {
                                             window->closeGameWindows();
                                             EXPECT_FALSE(editor.isVisible());
                                             editor.close();
                                         });
                                     EXPECT_FALSE(d.isVisible() || frmOpen::loaded());
                                     d.close();
                                 });
    EXPECT_EQ(std::pair(shown, panel()[Ctl::chkSet].value), std::pair(1, 0));
}

// Clicks in the statistics window leave the keyboard with the game.
TEST_F(WindowTest, SideWindowsLeaveTheKeyboardWithTheGameAndClosedReleaseTheirButtons) {
    QListWidget& list = window->statistic().list();  // holding the game's first log lines
    for (auto* l : {&list, &window->tumbliFathers().list()})
        EXPECT_EQ(std::pair(l->font().families().front().toStdString(),
                            QFontInfo(l->font()).fixedPitch()),
                  std::pair(std::string("Courier New"), true));
    window->statistic().activateWindow();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(std::pair(list.hasFocus(), window->focusWidget()), std::pair(false, board()));

    // A key that still reaches a side window goes to the game.
    standI(9, 5);
    QTest::keyClick(list.viewport(), Qt::Key_Left);
    EXPECT_EQ(state().FigureX, 8);

    // Closing a side window hides it and releases its menu button.
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
    auto saved = [&] {
        window->SaveSettings();
        return loadSettingsFile(ini, folder.path().toStdString()).settings;
    };
    // The grid and the ghost come back through the game.
    const Settings start{.mainWindow = {1000, 2000},
                         .frmStatistic = std::nullopt,
                         .frmFuture = Point{3001, 4001},
                         .iFantom = 2,
                         .bDrawSetka = false};
    ASSERT_TRUE(saveSettingsFile(ini, start));
    window->setSettingsFile(ini);
    window->LoadSettings();
    Settings out = saved();  // nothing moved: the very twips come back
    EXPECT_EQ(std::tuple(window->pos(), window->statistic().isVisible(), out.frmFuture,
                         out.frmStatistic, out.iFantom, out.bDrawSetka),
              std::tuple(QPoint(67, 133), false, start.frmFuture, std::nullopt, 2, false));

    window->game().settings() = GameSettings{0, true};  // as the settings dialog sets them
    QTest::mouseClick(button("chkAuto"), Qt::LeftButton);
    out = saved();
    EXPECT_EQ(std::tuple(button("chkAuto")->isChecked(), panel()[Ctl::chkStat].value,
                         out.mainWindow, *out.frmFuture, *out.frmStatistic, *out.frmTumbliFathers,
                         *out.frmMP3, out.iFantom, out.bDrawSetka),
              std::tuple(false, 1, Point{1000, 2000}, Point{7755, 2000}, Point{7755, 3500},
                         Point{7755, 8100}, Point{7755, 6800}, 0, true));
    // A settings file that cannot be read is never written over.
    std::filesystem::remove(ini);
    ASSERT_EQ(mkfifo(ini.c_str(), 0644), 0);
    window->LoadSettings();
    window->SaveSettings();
    EXPECT_TRUE(std::filesystem::is_fifo(ini));
}

}  // namespace
}  // namespace tumblix::testing
