// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "app/game_folders.h"

namespace tumblix {
namespace {

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
        EXPECT_EQ(std::pair(f.files, f.perUser), std::pair(c.files, c.files != program));
        EXPECT_TRUE(fs::is_directory(f.files));
        EXPECT_EQ(f.data, c.ownSounds ? program : root / "usr/share/games/tumblix");
    }
}

}  // namespace
}  // namespace tumblix
