// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/atomic_file.h"
#include "settings/settings.h"

namespace tumblix {

// "Tmbx" + the computer's name + ".ini". A path separator in the name becomes "_", so the file
// always lies in the program's folder.
std::string settingsFileName(std::string_view machineName);

struct LoadedSettings {
    enum class Source {
        File,         // the file as it was, or the first part of one too long, which was set
                      // aside and replaced by a file of the settings read
        DefaultFile,  // the file could not be read; the default file was written and read
        BuiltIn,      // neither could be read (a read-only folder): the default values
        Unreadable,   // not a regular file, or a bad file that could not be set aside: the
                      // default values, and the file must not be written over
    };
    Settings settings;
    Source source = Source::File;
};

// Reads the settings file. A file that cannot be read as settings (damaged, unreadable, or
// larger than the bound and damaged in its first part) is first set aside under another name
// beside it, then the default file is written and read instead; when even that fails the
// default values are in force. Never throws.
LoadedSettings loadSettingsFile(const std::filesystem::path& file,
                                const std::string& programFolder);

// Replaces the file atomically. False when it could not be written; the old file then stays.
WriteResult saveSettingsFile(const std::filesystem::path& file, const Settings& settings);
WriteResult writeDefaultSettingsFile(const std::filesystem::path& file);

}  // namespace tumblix
