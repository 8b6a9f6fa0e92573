// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "chooser/file_chooser.h"
#include "chooser/pick_file.h"
#include "sequence/sequence_editor.h"
#include "settings_dialog/event_sounds.h"
#include "settings_dialog/settings_dialog.h"
#include "support/answer_modal.h"
#include "support/click.h"
#include "support/settings_values.h"
#include "widgets/slider.h"

namespace tumblix::testing {
namespace {

// The dialog on values of the test's own, without a main window.
class Dialogs : public ::testing::Test, public SettingsValues {
  protected:
    void SetUp() override {
        for (const char* f : {"LEFT1.WAV", "inverse1.WAV", "Music.wav", "tune.mp3", "b.MP2"})
            QFile(path(f)).open(QIODevice::WriteOnly);
        mixer->files[path("Music.wav").toStdString()] = 22050;
        for (int s = 0; s < 10; ++s) {
            clsDMCtrl& o = sounds.object(static_cast<Sound>(s));
            o.DMCtrlEnabled(true);
            o.DMCtrlPath(capitalFolder("inverse1.WAV"));
        }
        sounds.object(Sound::mInverse1).DMCtrlFreq(90000);
        sounds.settings.PathToBkgMusic = capitalFolder("old.wav");
        sounds.settings.SpeedChange = 40;
        dialog = std::make_unique<frmSettings>(nullptr, *this);
        dialog->show();
    }
    QString path(const char* name) const { return dir.filePath(name); }
    // The sounds' paths name the folder in capitals, as the settings name "Sound" for "sound":
    // the sound system finds the files ignoring letter case, and the chooser opens there too.
    std::string capitalFolder(const char* name) const {
        QFileInfo folder(dir.path());
        return (folder.path() + "/" + folder.fileName().toUpper() + "/" + name).toStdString();
    }
    template <class W = QWidget>
    W* c(const char* name) {
        return dialog->findChild<W*>(name);
    }
    std::vector<Sound> disabled() {
        std::vector<Sound> off;
        for (int s = 0; s < 10; ++s)
            if (!sounds.object(Sound(s)).DMCtrlEnabled()) off.push_back(Sound(s));
        return off;
    }

    QTemporaryDir dir;
    std::unique_ptr<frmSettings> dialog;
};

TEST_F(Dialogs, OpensOnInversionWithNamesWithoutExtensionAndClampedSliders) {
    EXPECT_EQ(std::tuple(c<QLabel>("lblFirstVar")->text(), c<QLabel>("lblFile")->text(),
                         c<Slider>("sldFreqBut1")->value(), c<QLineEdit>("txtChange")->text()),
              std::tuple("inverse1", "old", 75000, "40"));
    // The ghost options are the end-to-end dialogs case's.
    EXPECT_FALSE(c<QCheckBox>("chkSetka")->isChecked());
    click(c("chkSetka"));
    EXPECT_FALSE(game.bDrawSetka);
}

// No button is the default: Enter in a box or on the list neither opens the sequence editor
// nor closes the dialog.
TEST_F(Dialogs, EnterPressesNoButton) {
    for (const char* name : {"txtChange", "chkSoundControl", "cmbListEvents"}) {
        QWidget* w = c(name);
        w->setFocus();
        int editors = answerModal<frmSeq>([&] { QTest::keyClick(w, Qt::Key_Return); },
                                          [](frmSeq& editor) { editor.close(); });
        EXPECT_EQ(editors, 0) << name;
        EXPECT_TRUE(dialog->isVisible()) << name;
    }
}

// The list opens on its first event; each event's "Выключить" boxes switch off its own objects.
TEST_F(Dialogs, EventsInTheListsOrderAndEachBoxActsOnItsOwnSoundObjects) {
    struct Case {
        const char* event;
        Sound first;
        std::optional<Sound> second;
    };
    const Case events[] = {{"Инверсия", Sound::mInverse1, {}},
                           {"Появление Tumblix-фигурки", Sound::mTumblix1, {}},
                           {"Удаление линиий", Sound::mDelLin1, {}},
                           {"Приземление", Sound::mDown1, Sound::mDown2},
                           {"Бросить", Sound::mDrop1, Sound::mDrop2},
                           {"Вращение", Sound::mRotate1, {}},
                           {"Влево", Sound::mLeft1, {}},
                           {"Вправо", Sound::mRight1, {}}};
    auto* list = c<QComboBox>("cmbListEvents");
    ASSERT_EQ(list->count(), 8);
    for (int i = 0; i < 8; ++i) {  // the list in this order, one key press apart
        const Case& k = events[i];
        SCOPED_TRACE(k.event);
        if (i > 0) QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentText(), k.event);
        EXPECT_EQ(c("fraSecondVar")->isHidden(), !k.second);
        click(c("chkEnFirstVar"));
        EXPECT_EQ(disabled(), std::vector<Sound>{k.first});
        click(c("chkEnFirstVar"));
        if (!k.second) continue;
        click(c("chkEnSecondVar"));
        EXPECT_EQ(disabled(), std::vector<Sound>{*k.second});
        click(c("chkEnSecondVar"));
    }
    EXPECT_TRUE(disabled().empty());
}

// Typed: the text, then SpeedChange, ForLoop (77 before), the slider and the selection.
TEST_F(Dialogs, TypedSpeedIsKeptToTheSlidersMaximumAndZeroCentresTheMusic) {
    using Shown = std::tuple<QString, int, int, int, QString>;
    auto* txt = c<QLineEdit>("txtChange");
    for (auto [typed, shown] : {std::pair{"600", Shown{"500", 500, 77, 500, "500"}},
                                {"-7", Shown{"-7", -7, 0, 0, ""}},
                                {"7.5", Shown{"7.5", 8, 77, 8, ""}}}) {
        sounds.settings.ForLoop = 77;
        QTest::keyClick(txt, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(txt, typed);
        EXPECT_EQ(Shown(txt->text(), sounds.settings.SpeedChange, sounds.settings.ForLoop,
                        c<Slider>("sldChange")->value(), txt->selectedText()),
                  shown)
            << typed;
    }
}

TEST_F(Dialogs, ANewMusicFilePlaysAtOnceThoughSwitchedOff) {
    click(c("chkEnable"));
    EXPECT_FALSE(sounds.settings.EnableLoop);
    mixer->take();
    QStringList listed = pickFile([&] { click(c("cmdOpen")); }, "Music.wav");
    EXPECT_EQ(listed, (QStringList{"inverse1.WAV", "LEFT1.WAV", "Music.wav"}));
    const std::string music = path("Music.wav").toStdString();
    auto log = mixer->take();
    EXPECT_NE(std::find(log.begin(), log.end(), music + " play loop"), log.end());
    EXPECT_EQ(std::tuple(c<QCheckBox>("chkEnable")->isChecked(), sounds.settings.PathToBkgMusic,
                         c<QLabel>("lblFile")->text(), c<Slider>("sldFreq")->value()),
              std::tuple(true, music, "Music.wav", 22050));
    QTest::mouseClick(c("sldFreq"), Qt::LeftButton, {}, QPoint(c("sldFreq")->width() - 2, 5));
    EXPECT_EQ(sounds.settings.freq, 27050);  // stored as well as heard
    EXPECT_EQ(mixer->take().back(), music + " frequency 27050");
    // A file that cannot play shows "Empty"; the chooser's close box changes nothing.
    pickFile([&] { click(c("cmdOpen")); }, "LEFT1.WAV");
    EXPECT_EQ(c<QLabel>("lblFile")->text(), "Empty");
    EXPECT_EQ(c<Slider>("sldFreq")->value(), 5000);
    QString opened;  // a failed music file opens the chooser above the program's folder
    answerModal<frmOpen>([&] { click(c("cmdOpen")); },
                         [&](frmOpen& o) {
                             opened = o.folder();
                             o.close();
                         });
    EXPECT_EQ(QDir(opened), QDir(QCoreApplication::applicationDirPath() + "/.."));
    // After a pick of MP3 files an event sound's chooser lists wave files again.
    pickFile([&] { frmOpen::choose(nullptr, "*.wma;*.mp3;*.mp2", dir.path()); }, "tune.mp3");
    listed = pickFile([&] { click(c("cmdOpenFirst")); }, "");
    EXPECT_EQ(listed, (QStringList{"inverse1.WAV", "LEFT1.WAV", "Music.wav"}));
    EXPECT_EQ(c<QLabel>("lblFirstVar")->text(), "inverse1");
    pickFile([&] { click(c("cmdOpenFirst")); }, "LEFT1.WAV");
    EXPECT_EQ(c<QLabel>("lblFirstVar")->text(), "LEFT1.WAV");
    EXPECT_EQ(sounds.object(Sound::mInverse1).DMCtrlPath(), path("LEFT1.WAV").toStdString());
    EXPECT_TRUE(frmOpen::loaded());
    click(c("cmdOk"));
    EXPECT_FALSE(frmOpen::loaded());
}

}  // namespace
}  // namespace tumblix::testing
