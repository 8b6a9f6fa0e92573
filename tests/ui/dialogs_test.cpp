#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "settings_dialog/event_sounds.h"
#include "settings_dialog/settings_dialog.h"
#include "sound/fake_mixer.h"
#include "ui/answer_modal.h"
#include "ui/file_chooser.h"
#include "ui/file_names.h"
#include "ui/file_pattern.h"
#include "ui/sequence_editor.h"
#include "ui/slider.h"
#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QCheckBox*>(w) ? QPoint(8, 8) : QPoint());
}

// Answers the chooser with a click on the named file and gives the names it listed.
QStringList pickFile(const std::function<void()>& open, const QString& name) {
    QStringList listed;
    answerModal<frmOpen>(open, [&](frmOpen& o) {
        auto* files = o.findChild<QListWidget*>("filOpen");
        for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
        if (name.isEmpty()) return (void)o.close();
        QListWidgetItem* item = files->findItems(name, Qt::MatchExactly).value(0);
        ASSERT_TRUE(item) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(item).center());
    });
    return listed;
}

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* f : {"LEFT1.WAV", "inverse1.WAV", "Music.wav", "tune.mp3", "b.MP2"})
            QFile(path(f)).open(QIODevice::WriteOnly);
        mixer->files[path("Music.wav").toStdString()] = 22050;
        for (int s = 0; s < 10; ++s) {
            clsDMCtrl& o = sounds.object(static_cast<Sound>(s));
            o.DMCtrlEnabled(true);
            o.DMCtrlPath(path("inverse1.WAV").toStdString());
        }
        sounds.object(Sound::mInverse1).DMCtrlFreq(90000);
        sounds.settings.PathToBkgMusic = path("old.wav").toStdString();
        sounds.settings.SpeedChange = 40;
        dialog = std::make_unique<frmSettings>(nullptr, game, sounds, sequence);
        dialog->show();
    }
    QString path(const char* name) const { return dir.filePath(name); }
    template <class W = QWidget>
    W* c(const char* name) {
        return dialog->findChild<W*>(name);
    }
    void select(const QString& event) {
        auto* list = c<QComboBox>("cmbListEvents");
        QTest::keyClick(list, Qt::Key_Home);
        while (list->currentText() != event) QTest::keyClick(list, Qt::Key_Down);
    }
    std::vector<Sound> disabled() {
        std::vector<Sound> off;
        for (int s = 0; s < 10; ++s)
            if (!sounds.object(static_cast<Sound>(s)).DMCtrlEnabled())
                off.push_back(static_cast<Sound>(s));
        return off;
    }

    QTemporaryDir dir;
    test::FakeMixer* mixer = new test::FakeMixer;
    SoundSystem sounds{std::unique_ptr<Mixer>(mixer)};
    GameSettings game;
    MersenneRandom random{5};
    StillClock clock;
    SequenceState sequence{random, clock};
    std::unique_ptr<frmSettings> dialog;
};

TEST_F(Dialogs, OpensOnInversionWithNamesWithoutExtensionAndClampedSliders) {
    EXPECT_EQ(c<QComboBox>("cmbListEvents")->currentText(), "Инверсия");
    EXPECT_EQ(eventTexts().size(), 8);
    EXPECT_TRUE(c("fraSecondVar")->isHidden());
    EXPECT_EQ(c<QLabel>("lblFirstVar")->text(), "inverse1");
    EXPECT_EQ(c<QLabel>("lblFile")->text(), "old");
    EXPECT_EQ(c<Slider>("sldFreqBut1")->value(), 75000);
    EXPECT_EQ(c<QLineEdit>("txtChange")->text(), "40");
    EXPECT_TRUE(c<QAbstractButton>("optFant(1)")->isChecked());
    EXPECT_FALSE(c<QCheckBox>("chkSetka")->isChecked());
    click(c("optFant(2)"));
    click(c("chkSetka"));
    EXPECT_EQ(game.iFantom, 2);
    EXPECT_FALSE(game.bDrawSetka);
}

// Each event's "Выключить" boxes switch off its own objects and no other.
TEST_F(Dialogs, EachEventsBoxesActOnItsOwnSoundObjects) {
    struct Case {
        const char* event;
        Sound first;
        std::optional<Sound> second;
    };
    for (Case k :
         {Case{"Влево", Sound::mLeft1, {}}, Case{"Вправо", Sound::mRight1, {}},
          Case{"Вращение", Sound::mRotate1, {}}, Case{"Бросить", Sound::mDrop1, Sound::mDrop2},
          Case{"Приземление", Sound::mDown1, Sound::mDown2},
          Case{"Удаление линиий", Sound::mDelLin1, {}},
          Case{"Появление Tumblix-фигурки", Sound::mTumblix1, {}},
          Case{"Инверсия", Sound::mInverse1, {}}}) {
        SCOPED_TRACE(k.event);
        select(k.event);
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

TEST_F(Dialogs, TypedSpeedIsKeptToTheSlidersMaximumAndZeroCentresTheMusic) {
    struct Case {
        const char* typed;
        const char* text;
        int speed;
        int forLoop;
    };
    auto* txt = c<QLineEdit>("txtChange");
    for (Case k : {Case{"600", "500", 500, 77}, Case{"abc", "abc", 0, 0}, Case{"-7", "-7", -7, 0},
                   Case{"7.5", "7.5", 8, 77}, Case{"42", "42", 42, 77}}) {
        SCOPED_TRACE(k.typed);
        sounds.settings.ForLoop = 77;
        QTest::keyClick(txt, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(txt, k.typed);
        EXPECT_EQ(txt->text(), k.text);
        EXPECT_EQ(sounds.settings.SpeedChange, k.speed);
        EXPECT_EQ(sounds.settings.ForLoop, k.forLoop);
        EXPECT_EQ(c<Slider>("sldChange")->value(), std::max(k.speed, 0));
        EXPECT_EQ(txt->selectedText(), k.speed == 500 ? "500" : "");
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
    EXPECT_TRUE(c<QCheckBox>("chkEnable")->isChecked());
    EXPECT_EQ(sounds.settings.PathToBkgMusic, music);
    EXPECT_EQ(c<QLabel>("lblFile")->text(), "Music.wav");
    EXPECT_EQ(c<Slider>("sldFreq")->value(), 22050);
    // A file that cannot play shows "Empty"; the chooser's close box changes nothing.
    pickFile([&] { click(c("cmdOpen")); }, "LEFT1.WAV");
    EXPECT_EQ(c<QLabel>("lblFile")->text(), "Empty");
    EXPECT_EQ(c<Slider>("sldFreq")->value(), 5000);
    pickFile([&] { click(c("cmdOpenFirst")); }, "");
    EXPECT_EQ(c<QLabel>("lblFirstVar")->text(), "inverse1");
    pickFile([&] { click(c("cmdOpenFirst")); }, "LEFT1.WAV");
    EXPECT_EQ(c<QLabel>("lblFirstVar")->text(), "LEFT1.WAV");
    EXPECT_EQ(sounds.object(Sound::mInverse1).DMCtrlPath(), path("LEFT1.WAV").toStdString());
    EXPECT_TRUE(frmOpen::loaded());
    click(c("cmdOk"));
    EXPECT_FALSE(frmOpen::loaded());
}

using SetButton = WindowTest;

TEST_F(SetButton, OpensTheSettingsDialogWhichTheEndOfAGameTakesAway) {
    SoundSystem sounds{std::make_unique<test::FakeMixer>()};
    SequenceState sequence{random, clock};
    sequence.SequenceOn = true;
    installSettingsDialog(*window, sounds, sequence);
    EXPECT_TRUE(window->game().chooser().sequenceOn());
    int shown =
        answerModal<frmSettings>([&] { QTest::mouseClick(button("chkSet"), Qt::LeftButton); },
                                 [&](frmSettings& d) {
                                     EXPECT_EQ(d.windowTitle(), "Settings");
                                     frmOpen::shared();
                                     window->closeGameWindows();
                                     EXPECT_FALSE(d.isVisible() || frmOpen::loaded());
                                     d.close();
                                 });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(panel()[Ctl::chkSet].value, 0);
}

TEST(Chooser, PatternsIgnoreCaseAndAPickResetsThem) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    for (Case k : {Case{"LEFT1.WAV", "*.wav", true}, Case{"a.wav.bak", "*.wav", false},
                   Case{"b.mp2", "*.wma;*.mp3;*.mp2", true}, Case{"b.mp2", " ; ", false},
                   Case{"ab.wav", "a?.wav", true}, Case{"abc.wav", "a?.wav", false},
                   Case{"aXbXc", "a*b*c", true}, Case{"aXbX", "a*b*c", false}})
        EXPECT_EQ(matchesPattern(k.name, k.pattern), k.match) << k.name << " " << k.pattern;
    EXPECT_EQ(GetFileName("/a/b/left1.WAV") + GetFileName("") + GetFileName("/a/.wav"), "left1");
    EXPECT_EQ(GetFolderPath("/a/b/left1.WAV") + "|" + GetFolderPath("noslash"), "/a/b/|");
    QTemporaryDir dir;
    for (const char* f : {"x.WAV", "tune.MP3", "c.wma"})
        QFile(dir.filePath(f)).open(QIODevice::WriteOnly);
    QString picked;
    QStringList listed =
        pickFile([&] { picked = frmOpen::choose(nullptr, "*.wma;*.mp3", dir.path()); }, "tune.MP3");
    EXPECT_EQ(listed, (QStringList{"c.wma", "tune.MP3"}));
    EXPECT_EQ(picked, dir.path() + "/tune.MP3");
    EXPECT_EQ(frmOpen::shared().NameFile, "tune.MP3");
    EXPECT_EQ(pickFile([&] { picked = frmOpen::choose(nullptr, ""); }, ""), QStringList{"x.WAV"});
    EXPECT_EQ(picked + frmOpen::shared().NameFile, "");  // closed: no file
    frmOpen::shared().SetPath(dir.filePath("missing"));
    EXPECT_EQ(QDir::currentPath(), QDir(QCoreApplication::applicationDirPath()).absolutePath());
}

TEST(SequenceEditor, SlotsFollowTheListAndTheButtonsItsLength) {
    MersenneRandom random{5};
    StillClock clock;
    SequenceState seq{random, clock};
    auto editor = std::make_unique<frmSeq>(nullptr, seq);
    auto b = [&](const QString& name) { return editor->findChild<QAbstractButton*>(name); };
    auto slot = [&](int i) { return b(QString("cmdDest(%1)").arg(i)); };
    auto shows = [&](int i, int kind) {
        return slot(i)->icon().pixmap(30).toImage() ==
               b(QString("cmdBase(%1)").arg(kind))->icon().pixmap(30).toImage();
    };
    auto state = [&] { return editor->findChild<QLabel*>("lblState"); };
    editor->show();
    EXPECT_TRUE(slot(0)->isHidden());
    EXPECT_FALSE(b("cmdOK")->isEnabled() || b("cmdNo")->isEnabled() || b("chkRandom")->isEnabled());
    EXPECT_EQ(state()->text(), "Последовательность отключена");
    EXPECT_EQ(state()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (int k : {1, 4, 6}) click(b(QString("cmdBase(%1)").arg(k)));
    EXPECT_TRUE(b("cmdOK")->isEnabled() && b("chkRandom")->isEnabled());
    click(b("chkRandom"));
    click(slot(1));  // the middle one: 1, 6
    EXPECT_TRUE(shows(0, 1) && shows(1, 6) && slot(2)->isHidden());
    EXPECT_EQ(seq.FigureSequence.GetCount(), 2);
    EXPECT_TRUE(seq.SequenceRandom);
    click(slot(1));
    EXPECT_FALSE(seq.SequenceRandom || b("chkRandom")->isEnabled());
    for (int i = 0; i < 10; ++i) click(b("cmdBase(2)"));
    EXPECT_EQ(seq.FigureSequence.GetCount(), 10);
    EXPECT_TRUE(shows(9, 2) && !slot(9)->isHidden());
    click(b("cmdOK"));
    EXPECT_TRUE(seq.SequenceOn);
    editor = std::make_unique<frmSeq>(nullptr, seq);
    editor->show();
    EXPECT_EQ(state()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(shows(0, 1) && shows(1, 2) && !slot(9)->isHidden());
    for (int i = 0; i < 10; ++i) click(slot(0));
    EXPECT_FALSE(seq.SequenceOn || b("cmdNo")->isEnabled());
    EXPECT_EQ(state()->text(), "Последовательность отключена");
    EXPECT_EQ(seq.SequenceLength, 0);
}

}  // namespace
}  // namespace tumblix::testing
