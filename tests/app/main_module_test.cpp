#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "app/game_folders.h"
#include "app/main_module.h"
#include "engine/random.h"
#include "support/fakes.h"

namespace tumblix {
namespace {

TEST(MainModuleTest, TextHelpers) {
    std::string path = "C:\\Games\\Tumblix\\sound\\very_long_nam.wav";  // 40 characters
    EXPECT_EQ(ShortenPath(path, 20), "C:\\Games..._nam.wav");
    EXPECT_EQ(ShortenPath(path, 40), path);
    EXPECT_EQ(ShortenPath("Музыка/Фон/мелодия.wav", 12), "Музы....wav");  // characters, not bytes
    EXPECT_EQ(ShortenPath("abcdef", 2), "...");
    // CutAtNull trims, then cuts.
    EXPECT_EQ(CutAtNull("  tumblix-box   ") + CutAtNull("     "), "tumblix-box");
    EXPECT_EQ(CutAtNull(std::string("host\0garbage   ", 15)), "host");
    EXPECT_FALSE(GetMachineName().empty());
}

TEST(MainModuleTest, YieldsSquaredTimesStirsOneMoreThanTheSecondsRoundsHalfToEven) {
    int calls = 0;
    YieldMessages(50, [&] { ++calls; });
    YieldMessages(-1, [&] { ++calls; });
    EXPECT_EQ(calls, 2601);
    test::FakeRandom r;
    test::FakeClock clock;
    clock.sec = 59;
    stirRandom(r, clock);
    EXPECT_EQ(r.draws, 60);
    for (auto [v, n] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.51, 3}})
        EXPECT_EQ(roundHalfEven(v), n) << v;
}

// Only a copy with its own sounds keeps its files beside itself, and only while it can write
// there; an installed game uses the player's folder, even when run by the administrator.
TEST(GameFoldersTest, OwnFolderOnlyForAWritableCopyWithItsSoundsElseThePlayersOne) {
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
    fs::path program = root / "usr" / "games";
    fs::create_directories(program);
    fs::create_directories(root / "usr" / "share" / "games" / "tumblix" / "sound");
    std::string home = root / "h";
    struct Case {
        bool ownSounds, writable;
        std::string xdg;
        fs::path files;
    };
    for (const Case& c : {Case{false, true, "", root / "h/.local/share/tumblix"},
                          Case{false, false, root / "x", root / "x/tumblix"},
                          Case{true, false, "", root / "h/.local/share/tumblix"},
                          Case{true, true, "/x", program}}) {
        if (c.ownSounds) fs::create_directory(program / "sound");
        GameFolders f = chooseGameFolders(program, c.writable, c.xdg.c_str(), home.c_str());
        EXPECT_EQ(f.files, c.files);
        EXPECT_EQ(f.perUser, c.files != program);
        EXPECT_TRUE(fs::is_directory(f.files));
        EXPECT_EQ(f.data, c.ownSounds ? program : root / "usr/share/games/tumblix");
    }
    // Without HOME: the account's own home, never a shared temporary folder.
    fs::path mine = fs::path(accountHome()) / ".local/share/tumblix";
    ASSERT_FALSE(accountHome().empty());
    bool existed = fs::exists(mine);
    EXPECT_EQ(chooseGameFolders(root, false, nullptr, nullptr).files, mine);
    if (!existed) fs::remove(mine);
}

}  // namespace
}  // namespace tumblix
