#include "mp3/mp3_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "mp3/position_text.h"

namespace tumblix {
namespace {

TEST(PositionText, SecondsRoundHalfToEvenAndMinutesShowTwoDigitsFromOneMinuteOn) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00"},      {7499, "0:07"},   {58500, "0:58"},   {59499, "0:59"},    {59500, "01:00"},
        {61000, "01:01"}, {62500, "01:02"}, {720000, "12:00"}, {6000000, "100:00"}};
    for (auto [ms, text] : cases) EXPECT_EQ(positionText(ms), text) << ms;
}

// Records what the window asks of its player.
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

// A window on a fake player and a chooser that gives `chosen`.
struct Rig {
    Rig() {
        window.setChooseFile([this](const std::string& pattern) {
            log += "choose " + pattern + ";";
            return chosen;
        });
        window.setUserClosed([this] { log += "unticked;"; });
    }
    QString text(const char* label) { return window.findChild<QLabel*>(label)->text(); }

    std::string log;
    std::optional<std::string> chosen;
    Settings settings;
    FakePlayer* player = new FakePlayer(log);
    Mp3Window window{nullptr, settings, std::unique_ptr<Mp3Player>(player)};
};
struct Mp3WindowTest : ::testing::Test, Rig {};

TEST_F(Mp3WindowTest, InitMusicPlaysTheSettingsFileAndShowsItsShortName) {
    EXPECT_EQ(text("lblLoop"), "No Loop");
    const struct {
        const char* path;
        bool loop;
        const char* log;
        const char* name;
        const char* loopText;
    } cases[] = {
        {"...", true, "", "Empty", "No Loop"},
        {"", true, "", "Empty", "No Loop"},
        {"/музыка/Моя песня.mp3", false, "play /музыка/Моя песня.mp3;", "Моя песня", "No loop"},
        {"/a/0123456789abcdefghijklmnopqrstuvwxyz.wma", true,
         "play /a/0123456789abcdefghijklmnopqrstuvwxyz.wma;", "0123456789abc...nopqrstuvwxyz",
         "Loop"},
    };
    for (const auto& c : cases) {
        Rig t;
        t.settings.MP3Path = c.path;
        t.settings.MP3Loop = c.loop;
        t.window.InitMusic();
        EXPECT_EQ(t.log, c.log);
        EXPECT_EQ(t.text("lblName"), QString::fromUtf8(c.name));
        EXPECT_EQ(t.text("lblLoop"), c.loopText);
        EXPECT_EQ(t.text("lblTime"), "");
    }
}

TEST_F(Mp3WindowTest, TheTimerShowsTheTimeRestartsWithLoopOrEmptiesAndStops) {
    EXPECT_EQ(window.tmrIsPlaying().interval(), 1000);
    EXPECT_TRUE(window.tmrIsPlaying().isActive());
    player->playing = true;
    window.tmrIsPlaying_Timer();
    EXPECT_EQ(text("lblTime"), "Time 03:15");
    player->playing = false;
    window.tmrIsPlaying_Timer();
    EXPECT_EQ(log, "seek 0;");
    EXPECT_TRUE(window.tmrIsPlaying().isActive());
    QTest::mouseClick(window.findChild<QLabel*>("lblLoop"), Qt::LeftButton);
    EXPECT_EQ(text("lblLoop"), "No loop");
    window.tmrIsPlaying_Timer();
    EXPECT_EQ(text("lblName"), "Empty");
    EXPECT_EQ(text("lblTime"), "");
    EXPECT_FALSE(window.tmrIsPlaying().isActive());
    window.lblLoop_Click();
    EXPECT_TRUE(settings.MP3Loop);
    EXPECT_EQ(text("lblLoop"), "Loop");
}

TEST_F(Mp3WindowTest, SelectPlaysANewChoiceOnlyAndTheUsersCloseForgetsIt) {
    settings.MP3Path = "/m/start.mp3";
    window.InitMusic();
    window.tmrIsPlaying().stop();
    QTest::mouseClick(window.findChild<QLabel*>("cmdOpen"), Qt::LeftButton);  // nothing chosen
    chosen = "/m/start.mp3";  // started by InitMusic, not chosen yet: restarts
    window.cmdOpen_Click();
    window.cmdOpen_Click();
    EXPECT_EQ(log,
              "play /m/start.mp3;choose *.wma;*.mp3;*.mp2;choose *.wma;*.mp3;*.mp2;stop;"
              "play /m/start.mp3;choose *.wma;*.mp3;*.mp2;");
    EXPECT_TRUE(window.tmrIsPlaying().isActive());
    log.clear();
    chosen = "/m/Другая.mp2";
    player->result = "";  // an unexpected fault: the player forgets the file
    window.cmdOpen_Click();
    EXPECT_EQ(settings.MP3Path, "");
    EXPECT_EQ(text("lblName"), "");
    log.clear();
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(log, "unticked;stop;");
    EXPECT_EQ(settings.MP3Path, "...");
    settings.MP3Path = "/m/kept.mp3";
    window.closeForGood();
    EXPECT_EQ(log, "unticked;stop;stop;");
    EXPECT_EQ(settings.MP3Path, "/m/kept.mp3");
    EXPECT_FALSE(window.tmrIsPlaying().isActive());
}

}  // namespace
}  // namespace tumblix
