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
        Missing,     // there is no such file
        Unreadable,  // not a regular file, larger than the bound, or it could not be read
    };
    Status status = Status::Missing;
    std::string text;
};

// Reads a regular file of at most limit bytes. It never blocks: a FIFO, a device or a socket
// in the file's place is unreadable, and so is a link to one.
FileText readBoundedFile(const std::filesystem::path& path, std::size_t limit = kMaxOwnFileBytes);

}  // namespace tumblix
