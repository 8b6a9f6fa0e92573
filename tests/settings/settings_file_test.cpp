#include <gtest/gtest.h>

#include <sstream>

#include "files/bounded_read.h"
#include "settings/settings_file.h"
#include "settings/settings_writer.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

using Source = LoadedSettings::Source;
namespace fs = std::filesystem;

TEST(SettingsFile, NameCarriesTheComputersName) {
    EXPECT_EQ(settingsFileName("box") + settingsFileName("???"), "Tmbxbox.iniTmbx???.ini");
    EXPECT_EQ(settingsFileName("a/b\\c"), "Tmbxa_b_c.ini");
}

// A good file reads as it is. Whatever else was there is kept under another name, and the
// file in its place reads as the settings in force, which are then saved at exit.
TEST(SettingsFile, ABadFileIsSetAsideAndReplacedByTheDefaultsOrItsGoodFirstPart) {
    TempFolder folder;
    fs::permissions(folder.path, fs::perms::all);  // open to the ordinary user
    auto file = folder / "Tmbxbox.ini";
    Settings placed = defaultSettings("/game");
    placed.mainWindow = {1500, 20};
    std::ostringstream good;
    formatSettings(good, placed);
    const std::string tail(kMaxOwnFileBytes * 2, 'x');
    const struct {
        const char* name;
        std::optional<std::string> bytes;  // none: no file
        fs::perms mode;
        Source source;
        bool placedKept;  // the settings read are `placed`, not the defaults
        bool setAside;
    } cases[] = {
        {"good", good.str(), fs::perms::owner_read, Source::File, true, false},
        {"missing", std::nullopt, fs::perms::none, Source::DefaultFile, false, false},
        {"damaged", "True\r\n", fs::perms::owner_all, Source::DefaultFile, false, true},
        {"unreadable", good.str(), fs::perms::none, Source::DefaultFile, false, true},
        {"long and good", good.str() + tail, fs::perms::owner_all, Source::File, true, true},
        {"long and damaged", tail + good.str(), fs::perms::owner_all, Source::DefaultFile, false,
         true},
    };
    asOrdinaryUser([&] {
        int kept = 1;  // FILE.bad, then .bad2, .bad3 ...: none replaces another
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            std::error_code ec;
            fs::remove(file, ec);
            if (c.bytes) {
                std::ofstream(file, std::ios::binary) << *c.bytes;
                fs::permissions(file, c.mode);
            }
            LoadedSettings loaded = loadSettingsFile(file, "/game");
            EXPECT_EQ(loaded.source, c.source);
            EXPECT_EQ(loaded.settings, c.placedKept ? placed : defaultSettings("/game"));
            EXPECT_EQ(loadSettingsFile(file, "/game").settings, loaded.settings);
            std::string name = "Tmbxbox.ini.bad" + (kept > 1 ? std::to_string(kept) : "");
            EXPECT_EQ(fs::file_size(folder / name, ec), c.setAside ? c.bytes->size() : -1);
            kept += c.setAside;
            EXPECT_TRUE(saveSettingsFile(file, loaded.settings));
        }
    });
}

TEST(SettingsFile, WhatCannotBeReplacedLeavesTheDefaultsInForce) {
    TempFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    auto file = folder / "Tmbxbox.ini";
    fs::create_directory(file);
    for (auto [place, source] : {std::pair{file, Source::Unreadable},
                                 std::pair{folder / "none/Tmbxbox.ini", Source::BuiltIn}}) {
        LoadedSettings loaded = loadSettingsFile(place, "/game");
        EXPECT_EQ(loaded.source, source);
        EXPECT_EQ(loaded.settings, defaultSettings("/game"));
        EXPECT_FALSE(saveSettingsFile(place, loaded.settings));
    }
    EXPECT_TRUE(fs::is_directory(file));
    // A damaged file in a folder that cannot be written stays as it is.
    std::ofstream(file / "Tmbxbox.ini") << "True\r\n";
    fs::permissions(file, fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write |
                                             fs::perms::others_write));
    asOrdinaryUser([&] {
        EXPECT_EQ(loadSettingsFile(file / "Tmbxbox.ini", "/game").source, Source::Unreadable);
    });
}

}  // namespace
}  // namespace tumblix::test
