// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_path.h"

#include "base/main_module.h"
#include "settings/settings_file.h"

namespace tumblix {

std::filesystem::path settingsFilePath(const std::filesystem::path& folder) {
    return folder.empty() ? folder : folder / settingsFileName(GetMachineName());
}

}  // namespace tumblix
