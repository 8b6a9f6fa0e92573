// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <string>
#include <system_error>
#include <vector>

namespace tumblix {

namespace fs = std::filesystem;

bool folderWritable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string accountHome() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return "";
    return found->pw_dir;
}

GameFolders chooseGameFolders(const fs::path& program, bool programWritable,
                              const char* xdgDataHome, const char* home) {
    GameFolders f{program, program, false};
    std::error_code ec;
    bool ownSounds = fs::is_directory(program / "sound", ec);
    fs::path installed = program / ".." / "share" / "games" / "tumblix";
    if (!ownSounds && fs::is_directory(installed, ec)) f.data = installed.lexically_normal();
    if (ownSounds && programWritable) return f;
    std::string account = home && *home ? home : accountHome();
    f.perUser = true;
    if (xdgDataHome && *xdgDataHome)
        f.files = fs::path(xdgDataHome) / "tumblix";
    else if (!account.empty())
        f.files = fs::path(account) / ".local" / "share" / "tumblix";
    else
        f.files.clear();
    if (!f.files.empty()) fs::create_directories(f.files, ec);
    return f;
}

}  // namespace tumblix
