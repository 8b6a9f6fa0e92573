// SPDX-License-Identifier: GPL-3.0-or-later
// The help tour, the about, splash and help windows, and every window's texts shown whole.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>

#include "chooser/file_chooser.h"
#include "mp3/mp3_window.h"
#include "records/enter_name_dialog.h"
#include "records/future_window.h"
#include "records/game_over_dialog.h"
#include "sequence/sequence_editor.h"
#include "settings_dialog/settings_dialog.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/splash_window.h"
#include "ui/window_fixture.h"
#include "widgets/frame_box.h"
#include "widgets/twips.h"

namespace tumblix::testing {
namespace {

// The room a label or button gives its text, and how its text is laid out there.
std::pair<QRect, int> textRoom(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        int m = label->margin();
        return {label->contentsRect().adjusted(m, m, -m, -m),
                static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    QStyleOptionButton o;
    o.initFrom(w);
    o.text = w->property("text").toString();
    QStyle::SubElement room = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_PushButtonContents;
    return {w->style()->subElementRect(room, &o, w), Qt::AlignCenter | Qt::TextShowMnemonic};
}

// The visible labels, check boxes, options and buttons of a window that cut their text short.
QStringList cutTexts(QWidget& window) {
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QString text = w->property("text").toString();
        bool shown =
            w->isVisible() && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w));
        if (text.isEmpty() || !shown) continue;
        auto [room, flags] = textRoom(w);
        QSize need = w->fontMetrics().boundingRect(room, flags, text).size();
        if (need.width() > room.width() || need.height() > room.height()) cut << w->objectName();
    }
    return cut;
}

// The texts a player can meet in a window (captions, labels, buttons, items, tooltips and help
// pages) that are in Russian.
QStringList russianTexts(QWidget& window) {
    QStringList found;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets << &window) {
        QStringList texts;
        for (const char* name : {"windowTitle", "toolTip", "tag", "text", "title"})
            texts << w->property(name).toString();
        if (auto* frame = qobject_cast<FrameBox*>(w)) texts << frame->caption();
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
        found << texts.filter(QRegularExpression("[\\x{0400}-\\x{04FF}]"));
    }
    return found;
}

// The language the run expects the windows in (see CMakeLists.txt); Russian unless told.
const bool english = qEnvironmentVariable("TEXT_FIT_LANGUAGE") == "en";

// Every text shows whole; in English, none is left in Russian.
void expectWhole(QWidget& window) {
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(cutTexts(window).join(" ").toStdString(), "") << window.objectName().toStdString();
    EXPECT_EQ(english ? russianTexts(window).join(" | ").toStdString() : "", "")
        << window.objectName().toStdString();
}

// A help window under a window system whose frame is 30 pixels high.
struct FramedHelpWindow : HelpWindow {
    using HelpWindow::HelpWindow;
    int outerHeight() const override { return height() + 30; }
};

using TextFit = WindowTest;

// The splash's texts, the about and help windows' timing, and every window's texts shown whole;
// runs once per screen resolution and language (see CMakeLists.txt).
TEST_F(TextFit, EveryWindowShowsItsWholeTextsAndTheAboutAndHelpWindowsKeepTheirTimes) {
    SplashWindow splash("1.2.3");
    QString texts;
    for (const char* name : {"lblProductName", "lblVersion", "lblWarning", "lblPlatform",
                             "lblLicenseTo", "lblCompanyProduct"})
        texts += splash.findChild<QLabel*>(name)->text() + "|";
    EXPECT_EQ(texts,
              "Tumblix|Version 1.2.3|Warning|Platform Win9x, WinNT + DirectX 8.0|LicenseTo|"
              "CompanyProduct|");
    // The about window types a character every 30 ms, waits 151 ticks and closes.
    AboutWindow about(window.get());
    EXPECT_EQ(about.tmrScroll().isActive() ? about.tmrScroll().interval() : 0, 30);
    about.tmrScroll().stop();
    about.show();
    EXPECT_EQ(
        std::pair(about.ScrollText.section("\r\n", 0, 0), about.windowTitle()),
        std::pair(QApplication::applicationName(), "About " + QApplication::applicationName()));
    for (int k = 1; k <= about.ScrollText.size() + 151; ++k) about.tmrScroll_Timer();
    EXPECT_EQ(std::pair(about.scrollShown(), about.isVisible()),
              std::pair(QString(about.ScrollText).replace("\r\n", "\n"), true));
    SettingsValues values;
    frmSettings settings(window.get(), values);
    frmSeq editor(window.get(), values.sequence);
    EnterNameDialog name(window.get());
    GameOverDialog over(window.get());
    // The bonus caption the game's rules write, in the player's language.
    panel().setText(Ctl::lblFirma, "Tumblix-фигурка Bonus 4322");
    panel().setVisible(Ctl::lblFirma, true);
    EXPECT_EQ(qobject_cast<QLabel*>(window->control("lblFirma"))->text(),
              english ? "Tumblix figure Bonus 4322" : "Tumblix-фигурка Bonus 4322");
    for (QWidget* w : std::initializer_list<QWidget*>{
             &splash, window.get(), &window->future(), &window->tumbliFathers(),
             &window->statistic(), &window->mp3(), &about, &settings, &editor, &name, &over})
        expectWhole(*w);
    about.tmrScroll_Timer();
    AboutWindow typing(nullptr);  // its own timer types
    typing.show();
    EXPECT_EQ(std::pair(about.isVisible(),
                        QTest::qWaitFor([&] { return !typing.scrollShown().isEmpty(); })),
              std::pair(false, true));

    // The help window, under a window system whose frame is 30 pixels high, unrolls every 15 ms
    // to an outer height just over 3030 twips: less than one step (100 twips) more. "Далее",
    // which leaves the tour on, has the keyboard.
    FramedHelpWindow help(window.get());
    help.strText = window->control("lblFirma")->property("tag").toString();
    const Twips tw = Twips::of(help);
    int pages = answerModal<HelpWindow>(
        [&] { EXPECT_FALSE(help.showPage()); },
        [&](HelpWindow& w) {
            EXPECT_EQ(w.tmrResize().interval(), 15);
            for (int steps = 0; w.tmrResize().isActive() && steps < 100; ++steps)
                w.tmrResize_Timer();
            expectWhole(w);
            EXPECT_EQ(
                std::tuple(w.tmrResize().isActive(), w.width(), w.height() + 30 > tw.y(3030),
                           w.height() + 30 <= tw.y(3130) + 1,
                           w.findChild<QPlainTextEdit*>("txtText")->verticalScrollBar()->maximum()),
                std::tuple(false, tw.x(4800), true, true, 0));
            QTest::keyClick(w.focusWidget(), Qt::Key_Space);
        });
    EXPECT_EQ(pages, 1);

    // The chooser as "Select" opens it: it belongs to the MP3 window.
    answerModal<frmOpen>(
        [&] { QTest::mouseClick(window->mp3().findChild<QLabel*>("cmdOpen"), Qt::LeftButton); },
        [&](frmOpen& chooser) {
            EXPECT_EQ(chooser.parentWidget(), &window->mp3());
            expectWhole(chooser);
            chooser.close();
        });
}

bool filledWith(QWidget* w, Qt::GlobalColor c) {
    QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage filled(shown.size(), QImage::Format_RGB32);
    filled.fill(c);
    return shown == filled;
}

TEST_F(WindowTest, TheHelpTourVisitsEachControlLitWhiteAndEndsAsThePlayerChooses) {
    // The end of a game takes its page away without ending the tour.
    enum class End { Last, CloseButton, CloseBox, GameOver };
    for (auto [end, last, pages] : {std::tuple{End::Last, 37, 37},
                                    {End::CloseButton, 3, 3},
                                    {End::CloseBox, 1, 1},
                                    {End::GameOver, 2, 37}}) {
        std::string lit;  // one lit control a page, in the window's order
        std::vector<QString> texts;
        Panel before = panel();
        window->sounds.clear();
        int shown = answerModal<HelpWindow>(
            [&] { QTest::mouseClick(button("chkHelp"), Qt::LeftButton); },
            [&](HelpWindow& w) {
                texts.push_back(w.findChild<QPlainTextEdit*>("txtText")->toPlainText());
                for (int i = 0; i < static_cast<int>(Ctl::Count); ++i)
                    if (panel()[static_cast<Ctl>(i)].backColor == colors::white)
                        (lit += ctlName(static_cast<Ctl>(i))) += ' ';
                for (const char* picture : {"picTumblix", "picNext"})
                    EXPECT_TRUE(!lit.ends_with(std::string(picture) + ' ') ||
                                filledWith(window->control(picture), Qt::white));
                bool at = static_cast<int>(texts.size()) == last;
                if (at && end == End::CloseBox) return (void)w.close();
                if (at && end == End::GameOver) return window->closeGameWindows();
                w.findChild<QPushButton*>(at && end == End::CloseButton ? "cmdClose" : "cmdNext")
                    ->click();
            });
        SCOPED_TRACE(pages);
        // A sound a page; the board drawn again after its page.
        EXPECT_EQ(std::tuple(shown, window->sounds.size(), button("chkHelp")->isChecked(),
                             filledWith(board(), Qt::black)),
                  std::tuple(pages, static_cast<std::size_t>(pages), false, false));
        for (int i = 0; i < static_cast<int>(Ctl::Count); ++i) {
            Ctl c = static_cast<Ctl>(i);
            EXPECT_EQ(panel()[c].backColor,
                      c == Ctl::lstTable ? colors::black : before[c].backColor)
                << ctlName(c);
        }
        EXPECT_TRUE(texts[0].startsWith("Лучшие игроки. Если запустить tumblix_ui_tests на "));
        if (end != End::Last) continue;
        // Frames and bars left out.
        EXPECT_EQ(lit,
                  "lstTable picTumblix fraControl cmdDown cmdLeftRight(2) cmdLeftRight(0) "
                  "cmdRotate(0) cmdSpace lblPause frmMenu chkMP3 chkExit chkFuture chkAuto chkStat "
                  "chkRec chkSet chkDemo chkHelp chkPause fraScore lblScore fraLines "
                  "lblCountLines(1) lblCountLines(2) lblCountLines(3) lblCountLines(4) picNext "
                  "lblFirma lblSumBonus lblLevel lblPosition lblRemain lblNextPlace lblAutors "
                  "lblTimeBonus lblTotalScore ");
        EXPECT_EQ(texts[30],
                  "Уровень сложности ( Скорость игры ). Инкрементирует ( увеличивается "
                  ") после каждых семи удаленных линий.");
    }
}

}  // namespace
}  // namespace tumblix::testing
