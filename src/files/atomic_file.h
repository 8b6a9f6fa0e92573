#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace tumblix {

// Writes a file through `write` into a temporary file beside path and renames it over path, so
// the file is never left half-written. False when it could not be written, the stream having
// failed included; the old file then stays as it was. Never throws.
bool writeFileAtomically(const std::filesystem::path& path,
                         const std::function<void(std::ostream&)>& write);

}  // namespace tumblix
