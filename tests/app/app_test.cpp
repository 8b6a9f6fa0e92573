// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/game_folders.h"
#include "app/start_up.h"

namespace tumblix {
namespace {

// The splash comes before the sounds and goes only once the last digit of the clock's seconds
// has changed (not the tens, not the whole seconds), and before the main window; a splash that
// waits too long goes anyway.
TEST(StartUpTest, SplashSoundsWaitForTheSecondsDigitThenMainWindow) {
    const std::tuple<std::vector<int>, int, std::string> cases[] = {
        {{17, 17, 27, 19}, 99, "splash sounds 17 17 idle 27 idle 19 gone main"},
        {{4, 4, 4, 4, 4, 5}, 2, "splash sounds 4 4 idle 4 idle 4 gone main"}};
    for (const auto& [seconds, patience, expected] : cases) {
        std::string steps;
        std::size_t read = 0;
        int idled = 0;
        auto step = [&steps](const char* name) { return [&steps, name] { steps += name; }; };
        startUp({.showSplash = step("splash"),
                 .createSounds = step(" sounds"),
                 .clockSeconds =
                     [&] {
                         int s = seconds[std::min(read++, seconds.size() - 1)];
                         (steps += ' ') += std::to_string(s);
                         return s;
                     },
                 .idle = [&] { return ++idled <= patience && (steps += " idle", true); },
                 .removeSplash = step(" gone"),
                 .showMainWindow = step(" main")});
        EXPECT_EQ(steps, expected);
    }
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
