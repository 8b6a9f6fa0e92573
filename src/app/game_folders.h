// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace tumblix {

// Where the game keeps its files and finds its data.
struct GameFolders {
    // The settings file and the best-players table: the program's own folder for a copy that
    // carries its own "sound" folder (in a folder, on a stick or a share) while that folder can
    // be written; else, for an installed game whoever runs it, the player's folder
    // $XDG_DATA_HOME/tumblix (~/.local/share/tumblix), created on first use. Empty when the
    // account has no home at all: the settings are then neither read nor written.
    std::filesystem::path files;
    // The default sound files: beside the program, else in the installed data folder
    // ../share/games/tumblix.
    std::filesystem::path data;
    bool perUser = false;
};

// xdgDataHome and home as the environment gives them (null or empty when unset); without a
// home, the account's home in the password database.
GameFolders chooseGameFolders(const std::filesystem::path& program, bool programWritable,
                              const char* xdgDataHome, const char* home);

// The home folder of the account running the program, from the password database; "" if none.
std::string accountHome();

// Whether this process may create files in the folder.
bool folderWritable(const std::filesystem::path& folder);

}  // namespace tumblix
