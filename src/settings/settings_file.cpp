// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <optional>
#include <sstream>

#include "files/atomic_file.h"
#include "files/bounded_read.h"
#include "files/set_aside.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace tumblix {

namespace {

using Status = FileText::Status;

std::optional<Settings> parse(std::string text, const std::string& programFolder) {
    std::istringstream in(std::move(text));
    return parseSettings(in, programFolder);
}

}  // namespace

std::string settingsFileName(std::string_view machineName) {
    std::string name = "Tmbx";
    for (char c : machineName) name += c == '/' || c == '\\' ? '_' : c;
    return name + ".ini";
}

LoadedSettings loadSettingsFile(const std::filesystem::path& file,
                                const std::string& programFolder) {
    using Source = LoadedSettings::Source;
    Settings defaults = defaultSettings(programFolder);
    try {
        FileText first = readBoundedFile(file);
        if (first.status == Status::NotAFile) return {defaults, Source::Unreadable};
        std::optional<Settings> read;
        if (first.status == Status::Read || first.status == Status::Head)
            read = parse(std::move(first.text), programFolder);
        if (read && first.status == Status::Read) return {*read, Source::File};
        // A file that is damaged, cannot be read or is too long is kept under another name,
        // and a new one takes its place: the settings read from its first part, if they could
        // be, else the default file.
        if (first.status != Status::Missing && !setAside(file))
            return {read.value_or(defaults), Source::Unreadable};
        if (read) {
            saveSettingsFile(file, *read);
            return {*read, Source::File};
        }
        writeDefaultSettingsFile(file);
        FileText again = readBoundedFile(file);
        if (again.status == Status::Read)
            if (auto settings = parse(std::move(again.text), programFolder))
                return {*settings, Source::DefaultFile};
    } catch (...) {
        // Out of memory or a file system error: the defaults below.
    }
    return {defaults, Source::BuiltIn};
}

WriteResult saveSettingsFile(const std::filesystem::path& file, const Settings& settings) {
    return writeFileAtomically(file, [&](std::ostream& out) { formatSettings(out, settings); });
}

WriteResult writeDefaultSettingsFile(const std::filesystem::path& file) {
    return writeFileAtomically(file, writeDefaultSettings);
}

}  // namespace tumblix
