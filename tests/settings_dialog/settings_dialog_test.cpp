// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "chooser/pick_file.h"
#include "sequence/sequence_editor.h"
#include "settings_dialog/event_sounds.h"
#include "settings_dialog/settings_dialog.h"
#include "support/answer_modal.h"
#include "support/music_answer.h"
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
            o.DMCtrlPath(capitalFolder("Fanfare-for-the-falling-blocks.WAV"));
        }
        sounds.object(Sound::mInverse1).DMCtrlFreq(90000);
        sounds.settings.PathToBkgMusic = capitalFolder("Fanfare-for-the-falling-blocks.wav");
        sounds.settings.SpeedChange = 40;
        sounds.settings.ForLoop = 77;
        sounds.settings.freq = 30000;
        sounds.settings.EnableSoundControl = false;
        sounds.music.MusicVolume = -700;
        game = GameSettings{1, false};
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

// The dialog opens on the stored values, the ticked boxes meaning off; each control, worked
// once, stores its own value.
TEST_F(Dialogs, OpensOnTheStoredValuesEachControlStoresItsOwnAndEnterPressesNoButton) {
    auto on = [&](const char* box) { return c<QAbstractButton>(box)->isChecked(); };
    auto at = [&](const char* slider) { return c<Slider>(slider)->value(); };
    EXPECT_EQ(std::tuple(c<QLabel>("lblFirstVar")->text(), c<QLabel>("lblFile")->text(),
                         c<QLineEdit>("txtChange")->text(), at("sldFreqBut1"), at("sldVolBackgrnd"),
                         at("sldFreq"), on("chkSetka"), on("chkSoundControl"), on("optFant(1)")),
              std::tuple("Fanfare-for...ling-blocks", "Fanfare-for-the-falling-blocks", "40", 75000,
                         -700, 30000, true, true, true));
    for (const char* name : {"chkSetka", "chkSoundControl", "optFant(2)"}) click(c(name));
    for (const char* name : {"sldVolBackgrnd", "sldChange"}) QTest::keyClick(c(name), Qt::Key_Home);
    for (const char* name : {"sldVolBut1", "sldFreqBut1"})
        QTest::mouseClick(c(name), Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mousePress(c("sldFreq"), Qt::LeftButton, {}, QPoint(2, 5));  // let go off it: no change
    QTest::mouseRelease(c("sldFreq"), Qt::LeftButton, {}, QPoint(-9, 5));
    const clsDMCtrl& inversion = sounds.object(Sound::mInverse1);
    EXPECT_EQ(std::tuple(game.bDrawSetka, sounds.settings.EnableSoundControl, game.iFantom,
                         sounds.settings.VolumeBkgMusic, sounds.settings.freq,
                         sounds.settings.SpeedChange, c<QLineEdit>("txtChange")->text(),
                         sounds.settings.ForLoop, inversion.DMCtrlVolume(), inversion.DMCtrlFreq()),
              std::tuple(true, true, 2, -2500, 30000, 0, "0", 0, -1000, 70000));
    // No button is the default: Enter in a box or on the list neither opens the sequence editor
    // nor closes the dialog.
    for (const char* name : {"txtChange", "chkSoundControl", "cmbListEvents"}) {
        c(name)->setFocus();
        int editors = answerModal<frmSeq>([&] { QTest::keyClick(c(name), Qt::Key_Return); },
                                          [](frmSeq& editor) { editor.close(); });
        EXPECT_EQ(std::pair(editors, dialog->isVisible()), std::pair(0, true)) << name;
    }
}

// The list opens on its first event; each event's "Выключить" boxes switch off its own objects.
TEST_F(Dialogs, EventsInTheListsOrderAndEachBoxActsOnItsOwnSoundObjects) {
    const std::tuple<const char*, Sound, std::optional<Sound>> events[] = {
        {"Инверсия", Sound::mInverse1, {}},
        {"Появление Tumblix-фигурки", Sound::mTumblix1, {}},
        {"Удаление линиий", Sound::mDelLin1, {}},
        {"Приземление", Sound::mDown1, Sound::mDown2},
        {"Бросить", Sound::mDrop1, Sound::mDrop2},
        {"Вращение", Sound::mRotate1, {}},
        {"Влево", Sound::mLeft1, {}},
        {"Вправо", Sound::mRight1, {}}};
    auto* list = c<QComboBox>("cmbListEvents");
    ASSERT_EQ(list->count(), 8);
    for (Sound s : {Sound::mDown2, Sound::mDrop2}) sounds.object(s).DMCtrlVolume(-1234);
    for (int i = 0; i < 8; ++i) {  // the list in this order, one key press apart
        auto [event, first, second] = events[i];
        SCOPED_TRACE(event);
        if (i > 0) QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(std::pair(list->currentText(), c("fraSecondVar")->isHidden()),
                  std::pair(QString(event), !second));
        click(c("chkEnFirstVar"));
        EXPECT_EQ(disabled(), std::vector<Sound>{first});
        click(c("chkEnFirstVar"));
        if (!second) continue;
        EXPECT_EQ(c<QSlider>("sldVolBut2")->value(), -1234);  // the second variant's own
        click(c("chkEnSecondVar"));
        EXPECT_EQ(disabled(), std::vector<Sound>{*second});
        click(c("chkEnSecondVar"));
    }
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
    mixer->take();
    const std::string music = path("Music.wav").toStdString();
    QStringList listed = pickFile([&] { click(c("cmdOpen")); }, "Music.wav");
    ASSERT_TRUE(test::awaitMusic(sounds.music));
    EXPECT_EQ(std::tuple(listed, c<QCheckBox>("chkEnable")->isChecked(), sounds.settings.EnableLoop,
                         sounds.settings.PathToBkgMusic, c<QLabel>("lblFile")->text(),
                         c<Slider>("sldFreq")->value()),
              std::tuple(QStringList{"inverse1.WAV", "LEFT1.WAV", "Music.wav"}, true, false, music,
                         "Music.wav", 22050));
    for (int i = 0; i < 2; ++i) click(c("chkEnable"));
    QTest::mouseClick(c("sldFreq"), Qt::LeftButton, {}, QPoint(c("sldFreq")->width() - 2, 5));
    EXPECT_EQ(sounds.settings.freq, 27050);
    // Heard from its start at the set volume; the box plays it on and stops it; the new rate.
    EXPECT_EQ(mixer->take(),
              (std::vector<std::string>{"load " + music, music + " play loop", music + " rewind",
                                        music + " volume -700", music + " play loop",
                                        music + " stop", music + " frequency 27050"}));
    // A file that cannot play shows "Empty"; the chooser's close box changes nothing.
    pickFile([&] { click(c("cmdOpen")); }, "LEFT1.WAV");
    ASSERT_TRUE(test::awaitMusic(sounds.music));
    EXPECT_EQ(std::tuple(c<QLabel>("lblFile")->text(), c<Slider>("sldFreq")->value()),
              std::tuple("Empty", 5000));
    QString opened;  // a failed music file opens the chooser above the program's folder
    answerModal<frmOpen>([&] { click(c("cmdOpen")); },
                         [&](frmOpen& o) {
                             opened = o.folder();
                             o.close();
                         });
    EXPECT_EQ(QDir(opened), QDir(QCoreApplication::applicationDirPath() + "/.."));
    pickFile([&] { click(c("cmdOpenFirst")); }, "");
    EXPECT_EQ(c<QLabel>("lblFirstVar")->text(), "Fanfare-for...ling-blocks");
    pickFile([&] { click(c("cmdOpenFirst")); }, "LEFT1.WAV");
    EXPECT_EQ(std::tuple(c<QLabel>("lblFirstVar")->text(),
                         sounds.object(Sound::mInverse1).DMCtrlPath(), frmOpen::loaded()),
              std::tuple("LEFT1.WAV", path("LEFT1.WAV").toStdString(), true));
    click(c("cmdOk"));
    EXPECT_FALSE(frmOpen::loaded());
}

}  // namespace
}  // namespace tumblix::testing
