// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tumblix {

// Well above anything the game writes into its own files.
inline constexpr std::size_t kMaxOwnFileBytes = 1 << 20;

struct FileText {
    enum class Status {
        Read,        // text holds the whole file
        Head,        // the file is larger than the bound: text holds its first `limit` bytes
        Missing,     // there is no such file
        Unreadable,  // a regular file this process may not read, or whose reading failed
        NotAFile,    // a FIFO, a device, a socket or a folder, never opened
    };
    Status status = Status::Missing;
    std::string text;
};

// Reads a regular file, at most limit bytes of it. It never blocks: what is not a regular file
// in the file's place (or behind a link there) is looked at but not opened.
FileText readBoundedFile(const std::filesystem::path& path, std::size_t limit = kMaxOwnFileBytes);

}  // namespace tumblix
