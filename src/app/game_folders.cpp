#include "app/game_folders.h"

#include <unistd.h>

#include <system_error>

namespace tumblix {

namespace fs = std::filesystem;

bool folderWritable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

GameFolders chooseGameFolders(const fs::path& program, bool programWritable,
                              const char* xdgDataHome, const char* home) {
    GameFolders f{program, program, false};
    std::error_code ec;
    fs::path installed = program / ".." / "share" / "games" / "tumblix";
    if (!fs::is_directory(program / "sound", ec) && fs::is_directory(installed, ec))
        f.data = installed.lexically_normal();
    if (programWritable) return f;
    fs::path base = xdgDataHome && *xdgDataHome ? fs::path(xdgDataHome)
                    : home && *home             ? fs::path(home) / ".local" / "share"
                                                : fs::temp_directory_path(ec);
    f.files = base / "tumblix";
    f.perUser = true;
    fs::create_directories(f.files, ec);
    return f;
}

}  // namespace tumblix
