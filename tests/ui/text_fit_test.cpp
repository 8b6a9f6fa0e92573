// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
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

namespace tumblix::testing {
namespace {

// The room a label or button gives its text, and how its text is laid out there.
std::pair<QRect, int> textRoom(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        int m = label->margin();
        return {label->contentsRect().adjusted(m, m, -m, -m),
                static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    auto* button = static_cast<QAbstractButton*>(w);
    QStyleOptionButton o;
    o.initFrom(button);
    o.text = button->text();
    QStyle::SubElement room = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_PushButtonContents;
    return {w->style()->subElementRect(room, &o, w), Qt::AlignCenter | Qt::TextShowMnemonic};
}

// The visible labels, check boxes, options and buttons of a window that cut their text short.
QStringList cutTexts(QWidget& window) {
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !w->isVisible()) continue;
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
    auto take = [&](const QString& text) {
        if (text.contains(QRegularExpression("[\\x{0400}-\\x{04FF}]"))) found << text;
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets << &window;
    for (QWidget* w : widgets) {
        for (const QString& text : {w->windowTitle(), w->toolTip(), w->property("tag").toString()})
            take(text);
        if (auto* label = qobject_cast<QLabel*>(w)) take(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) take(button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) take(group->title());
        if (auto* frame = qobject_cast<FrameBox*>(w)) take(frame->caption());
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i) take(box->itemText(i));
    }
    return found;
}

// The language the run expects the windows in (see CMakeLists.txt); Russian unless told.
bool english() {
    return qEnvironmentVariable("TEXT_FIT_LANGUAGE") == "en";
}

// Every text shows whole; in English, none is left in Russian.
void expectWhole(QWidget& window) {
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(cutTexts(window).join(" ").toStdString(), "") << window.objectName().toStdString();
    if (english()) {
        QStringList russian = russianTexts(window);
        EXPECT_TRUE(russian.isEmpty())
            << window.objectName().toStdString() << ": " << russian.join(" | ").toStdString();
    }
}

using TextFit = WindowTest;

// Runs once per screen resolution (see CMakeLists.txt).
TEST_F(TextFit, EveryWindowShowsTheWholeTextOfEachLabelAndButton) {
    SplashWindow splash("1.0.0");
    window->mp3().show();
    AboutWindow about(window.get());
    about.tmrScroll().stop();
    for (int k = 0; k < about.ScrollText.size(); ++k) about.tmrScroll_Timer();
    SettingsValues values;
    frmSettings settings(window.get(), values);
    frmSeq editor(window.get(), values.sequence);
    EnterNameDialog name(window.get());
    GameOverDialog over(window.get());
    // The bonus caption the game's rules write, in the player's language.
    panel().setText(Ctl::lblFirma, "Tumblix-фигурка Bonus 4322");
    panel().setVisible(Ctl::lblFirma, true);
    EXPECT_EQ(qobject_cast<QLabel*>(window->control("lblFirma"))->text(),
              english() ? "Tumblix figure Bonus 4322" : "Tumblix-фигурка Bonus 4322");
    for (QWidget* w : std::initializer_list<QWidget*>{
             &splash, window.get(), &window->future(), &window->tumbliFathers(),
             &window->statistic(), &window->mp3(), &about, &settings, &editor, &name, &over})
        expectWhole(*w);

    HelpWindow help(window.get());
    help.strText = window->control("lblFirma")->property("tag").toString();
    answerModal<HelpWindow>([&] { help.showPage(); },
                            [](HelpWindow& w) {
                                while (w.tmrResize().isActive()) w.tmrResize_Timer();
                                expectWhole(w);
                                auto* text = w.findChild<QPlainTextEdit*>("txtText");
                                EXPECT_EQ(text->verticalScrollBar()->maximum(), 0);
                                w.close();
                            });

    // The chooser as "Select" opens it: it belongs to the MP3 window.
    answerModal<frmOpen>(
        [&] { QTest::mouseClick(window->mp3().findChild<QLabel*>("cmdOpen"), Qt::LeftButton); },
        [&](frmOpen& chooser) {
            EXPECT_EQ(chooser.parentWidget(), &window->mp3());
            expectWhole(chooser);
            chooser.close();
        });
}

}  // namespace
}  // namespace tumblix::testing
