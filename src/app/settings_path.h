// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace tumblix {

// This computer's settings file in the folder: "Tmbx" + GetMachineName() + ".ini"; no file
// (an empty path) without a folder.
std::filesystem::path settingsFilePath(const std::filesystem::path& folder);

}  // namespace tumblix
