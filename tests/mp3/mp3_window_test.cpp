// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3/mp3_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "chooser/file_names.h"
#include "mp3/position_text.h"

namespace tumblix {
namespace {

TEST(PositionText, SecondsRoundHalfToEvenAndMinutesShowTwoDigitsFromOneMinuteOn) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00"}, {58500, "0:58"}, {59499, "0:59"}, {59500, "01:00"}, {6000000, "100:00"}};
    for (auto [ms, text] : cases) EXPECT_EQ(positionText(ms), text) << ms;
}

// Records what the window asks of its player; an empty result stands for an unexpected fault.
struct FakePlayer final : Mp3Player {
    explicit FakePlayer(std::string& log) : log(log) {}
    const std::string& FileName() const override { return name; }
    void FileName(const std::string& n) override { name = n; }
    bool IsPlaying() override { return playing; }
    std::string mmPlay() override {
        log += "play " + name + ";";
        if (result.empty()) name.clear();
        return result;
    }
    std::string mmStop() override { return log += "stop;", ""; }
    std::string Position() override { return "03:15"; }
    void SeekTo(std::int64_t ms) override { log += "seek " + std::to_string(ms) + ";"; }
    std::string& log;
    std::string name, result = "Success";
    bool playing = false;
};

// A window on a fake player, with a chooser that gives `chosen`.
struct Rig {
    Rig() {
        window.setChooseFile([this](const std::string& pattern) {
            log += pattern + ";";
            return chosen;
        });
        window.setUserClosed([this] { log += "unticked;"; });
        window.setGetFileName([](const std::string& p) {
            return GetFileName(QString::fromStdString(p)).toStdString();
        });
    }
    QString text(const char* label) { return window.findChild<QLabel*>(label)->text(); }
    void click(const char* label) {
        QTest::mouseClick(window.findChild<QLabel*>(label), Qt::LeftButton);
    }

    std::string log;
    std::optional<std::string> chosen;
    Settings settings;
    FakePlayer* player = new FakePlayer(log);
    Mp3Window window{nullptr, settings, std::unique_ptr<Mp3Player>(player)};
};
struct Mp3WindowTest : ::testing::Test, Rig {};

TEST(Mp3Window, InitMusicPlaysTheSettingsFileAndShowsItsShortName) {
    const std::tuple<const char*, bool, const char*, const char*> cases[] = {
        {"...", true, "Empty", "No Loop"},
        {"", false, "Empty", "No Loop"},
        {"C:\\Музыка\\Моя песня.mp3", false, "Моя песня", "No loop"},
        {"/a/0123456789abcdefghijklmnopqrstuvwxyz.wma", true, "0123456789abc...nopqrstuvwxyz",
         "Loop"},
    };
    for (auto [path, loop, name, loopText] : cases) {
        Rig t;
        t.settings.MP3Path = path;
        t.settings.MP3Loop = loop;
        t.window.InitMusic();
        EXPECT_EQ(std::tuple(t.log, t.text("lblName"), t.text("lblLoop"), t.text("lblTime")),
                  std::tuple(*name == 'E' ? "" : "play " + std::string(path) + ";",
                             QString::fromUtf8(name), loopText, ""));
    }
}

TEST_F(Mp3WindowTest, TheTimerShowsTheTimeRestartsWithLoopOrEmptiesAndStops) {
    QString looks;  // each label's colours and place at 96 dots an inch, then the window's size
    for (QLabel* l : window.findChildren<QLabel*>())
        QDebug(&looks).noquote() << l->objectName() << l->palette().color(QPalette::Window).name()
                                 << l->palette().color(QPalette::WindowText).name()
                                 << l->geometry();
    QDebug(&looks) << window.size();
    EXPECT_EQ(
        looks.toStdString(),
        "lblName #000000 #ffff00 QRect(0,0 201x17) lblTime #000000 #ff0000 QRect(0,16 201x17) "
        "cmdOpen #808080 #ffffff QRect(8,32 81x17) lblLoop #808080 #ffffff QRect(112,32 "
        "81x17) QSize(201, 54) ");
    EXPECT_EQ(window.tmrIsPlaying().interval(), 1000);
    player->playing = true;
    window.tmrIsPlaying_Timer();
    player->playing = false;
    window.tmrIsPlaying_Timer();
    EXPECT_EQ(std::tuple(text("lblTime"), log, window.tmrIsPlaying().isActive()),
              std::tuple("Time 03:15", "seek 0;", true));
    click("lblLoop");
    window.tmrIsPlaying_Timer();
    EXPECT_EQ(std::tuple(text("lblLoop"), text("lblName"), text("lblTime"),
                         window.tmrIsPlaying().isActive()),
              std::tuple("No loop", "Empty", "", false));
    // Two clicks in quick succession through the window system, which makes them a click and
    // a double click: the switch changes once.
    window.show();
    QWidget* loop = window.findChild<QLabel*>("lblLoop");
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                       loop->mapTo(&window, loop->rect().center()));
    EXPECT_EQ(std::tuple(settings.MP3Loop, text("lblLoop")), std::tuple(true, "Loop"));
}

TEST_F(Mp3WindowTest, SelectPlaysANewChoiceOnlyAndTheUsersCloseForgetsIt) {
    settings.MP3Path = "/m/start.mp3";
    window.InitMusic();
    window.tmrIsPlaying().stop();
    click("cmdOpen");           // nothing chosen
    chosen = settings.MP3Path;  // not chosen in this run yet: restarts
    click("cmdOpen");
    EXPECT_TRUE(window.tmrIsPlaying().isActive());
    click("cmdOpen");
    chosen = "/m/Другая песня.mp2";
    click("cmdOpen");
    const char* pattern = "*.wma;*.mp3;*.mp2;";
    EXPECT_EQ(log, "play /m/start.mp3;" + std::string(pattern) + pattern +
                       "stop;play /m/start.mp3;" + pattern + pattern +
                       "stop;play /m/Другая песня.mp2;");
    EXPECT_EQ(std::tuple(text("lblName"), settings.MP3Path), std::tuple("Другая песня", *chosen));
    chosen = "/m/3.mp3";
    player->result = "";
    window.cmdOpen_Click();
    EXPECT_EQ(settings.MP3Path, "");
    log.clear();
    window.show();
    window.close();
    EXPECT_EQ(std::tuple(window.isVisible(), settings.MP3Path), std::tuple(false, "..."));
    settings.MP3Path = "/m/kept.mp3";
    QCoreApplication::processEvents();  // the fault's late answer, after a stop, changes nothing
    window.closeForGood();
    EXPECT_EQ(std::tuple(log, settings.MP3Path, window.tmrIsPlaying().isActive()),
              std::tuple("unticked;stop;stop;", "/m/kept.mp3", false));
}

}  // namespace
}  // namespace tumblix
