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
    // Own sounds, a writable folder, XDG_DATA_HOME, and where the files go.
    const std::tuple<bool, bool, std::string, fs::path> cases[] = {
        {false, true, "", root / "h/.local/share/tumblix"},
        {false, false, root / "x", root / "x/tumblix"},
        {true, false, "", root / "h/.local/share/tumblix"},
        {true, true, "/x", program}};
    for (const auto& [ownSounds, writable, xdg, files] : cases) {
        if (ownSounds) fs::create_directory(program / "sound");
        GameFolders f = chooseGameFolders(program, writable, xdg.c_str(), home.c_str());
        EXPECT_EQ(std::tuple(f.files, f.perUser, fs::is_directory(f.files), f.data),
                  std::tuple(files, files != program, true,
                             ownSounds ? program : root / "usr/share/games/tumblix"));
    }
}

}  // namespace
}  // namespace tumblix
