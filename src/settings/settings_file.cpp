#include "settings/settings_file.h"

#include <optional>
#include <sstream>
#include <system_error>

#include "files/atomic_file.h"
#include "files/bounded_read.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace tumblix {

namespace {

std::optional<Settings> parse(std::string text, const std::string& programFolder) {
    std::istringstream in(std::move(text));
    return parseSettings(in, programFolder);
}

void keepDamagedFile(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return;
    fs::path kept = file;
    kept += ".bad";
    fs::copy_file(file, kept, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

std::string settingsFileName(std::string_view machineName) {
    std::string name = "Tmbx";
    for (char c : machineName) name += c == '/' || c == '\\' ? '_' : c;
    return name + ".ini";
}

LoadedSettings loadSettingsFile(const std::filesystem::path& file,
                                const std::string& programFolder) {
    try {
        FileText first = readBoundedFile(file);
        if (first.status == FileText::Status::Unreadable)
            return {defaultSettings(programFolder), LoadedSettings::Source::Unreadable};
        if (first.status == FileText::Status::Read)
            if (auto settings = parse(std::move(first.text), programFolder))
                return {*settings, LoadedSettings::Source::File};
        keepDamagedFile(file);
        writeDefaultSettingsFile(file);
        FileText again = readBoundedFile(file);
        if (again.status == FileText::Status::Read)
            if (auto settings = parse(std::move(again.text), programFolder))
                return {*settings, LoadedSettings::Source::DefaultFile};
    } catch (...) {
        // Out of memory or a file system error: the defaults below.
    }
    return {defaultSettings(programFolder), LoadedSettings::Source::BuiltIn};
}

WriteResult saveSettingsFile(const std::filesystem::path& file, const Settings& settings) {
    return writeFileAtomically(file, [&](std::ostream& out) { formatSettings(out, settings); });
}

WriteResult writeDefaultSettingsFile(const std::filesystem::path& file) {
    return writeFileAtomically(file, writeDefaultSettings);
}

}  // namespace tumblix
