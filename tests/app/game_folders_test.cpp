#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "app/game_folders.h"

namespace tumblix {
namespace {

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
