#pragma once

#include <filesystem>

namespace tumblix {

// This computer's settings file in the program's folder: "Tmbx" + GetMachineName() + ".ini".
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder);

}  // namespace tumblix
