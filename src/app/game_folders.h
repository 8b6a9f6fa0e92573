#pragma once

#include <filesystem>
#include <string>

namespace tumblix {

// Where the game keeps its files and finds its data.
struct GameFolders {
    // The settings file and the best-players table: the program's own folder while it can be
    // written (a copy in a folder, on a stick or a share), else the player's folder
    // $XDG_DATA_HOME/tumblix (~/.local/share/tumblix), created on first use.
    std::filesystem::path files;
    // The default sound files: beside the program, else in the installed data folder
    // ../share/games/tumblix.
    std::filesystem::path data;
    bool perUser = false;
};

// xdgDataHome and home as the environment gives them (null or empty when unset).
GameFolders chooseGameFolders(const std::filesystem::path& program, bool programWritable,
                              const char* xdgDataHome, const char* home);

// Whether this process may create files in the folder.
bool folderWritable(const std::filesystem::path& folder);

}  // namespace tumblix
