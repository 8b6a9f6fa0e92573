// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/set_aside.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace tumblix {

namespace {

// Renames unless the new name is taken; false with errno set otherwise.
bool renameNew(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system that cannot refuse to replace: look first.
    std::error_code ec;
    if (std::filesystem::symlink_status(to, ec).type() != std::filesystem::file_type::not_found) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::optional<std::filesystem::path> setAside(const std::filesystem::path& file) {
    for (int n = 1; n <= 100; ++n) {
        std::filesystem::path kept = file;
        kept += n == 1 ? std::string(".bad") : ".bad" + std::to_string(n);
        if (renameNew(file, kept)) return kept;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace tumblix
