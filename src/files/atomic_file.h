// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <system_error>

namespace tumblix {

// The outcome of a write: true when the file was written, otherwise the reason.
struct WriteResult {
    std::error_code error;
    explicit operator bool() const { return !error; }
};

// Writes a file through `write` into a temporary file beside path and renames it over path, so
// the file is never left half-written. On failure, a failed stream included, the old file
// stays as it was and the result holds the reason. Never throws.
WriteResult writeFileAtomically(const std::filesystem::path& path,
                                const std::function<void(std::ostream&)>& write);

}  // namespace tumblix
