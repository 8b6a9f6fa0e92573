// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace tumblix {

// Moves a file out of the way, to a name of its own beside it: FILE.bad, else FILE.bad2,
// FILE.bad3 ..., never over another file. The name it got; nothing when it could not be moved.
std::optional<std::filesystem::path> setAside(const std::filesystem::path& file);

}  // namespace tumblix
