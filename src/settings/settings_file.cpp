#include "settings/settings_file.h"

#include <fstream>
#include <optional>
#include <system_error>

#include "files/atomic_file.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace tumblix {

namespace {

std::optional<Settings> readFile(const std::filesystem::path& file,
                                 const std::string& programFolder) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
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
        if (auto settings = readFile(file, programFolder))
            return {*settings, LoadedSettings::Source::File};
        keepDamagedFile(file);
        writeDefaultSettingsFile(file);
        if (auto settings = readFile(file, programFolder))
            return {*settings, LoadedSettings::Source::DefaultFile};
    } catch (...) {
        // Out of memory or a file system error: the defaults below.
    }
    return {defaultSettings(programFolder), LoadedSettings::Source::BuiltIn};
}

bool saveSettingsFile(const std::filesystem::path& file, const Settings& settings) {
    return writeFileAtomically(file, [&](std::ostream& out) { formatSettings(out, settings); });
}

bool writeDefaultSettingsFile(const std::filesystem::path& file) {
    return writeFileAtomically(file, writeDefaultSettings);
}

}  // namespace tumblix
