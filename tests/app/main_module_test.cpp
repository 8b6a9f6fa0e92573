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

TEST(GameFoldersTest, OwnFolderWhileWritableElseThePlayersOne) {
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
    fs::path program = root / "usr" / "games";
    fs::create_directories(program);
    fs::create_directories(root / "usr" / "share" / "games" / "tumblix" / "sound");
    struct Case {
        bool writable;
        std::string xdg;
        fs::path files;
    };
    for (const Case& c :
         {Case{true, "/x", program}, Case{false, "", root / "h/.local/share/tumblix"},
          Case{false, root / "x", root / "x/tumblix"}}) {
        std::string home = root / "h";
        GameFolders f = chooseGameFolders(program, c.writable, c.xdg.c_str(), home.c_str());
        EXPECT_EQ(f.files, c.files);
        EXPECT_EQ(f.perUser, !c.writable);
        EXPECT_TRUE(fs::is_directory(f.files));
        EXPECT_EQ(f.data, root / "usr/share/games/tumblix");  // no sounds beside the program
    }
    fs::create_directory(program / "sound");  // a copy in a folder of its own keeps everything
    EXPECT_EQ(chooseGameFolders(program, true, nullptr, nullptr).data, program);
}

}  // namespace
}  // namespace tumblix
