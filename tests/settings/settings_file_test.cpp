#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "settings/settings_file.h"
#include "settings/settings_writer.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

using Source = LoadedSettings::Source;

TEST(SettingsFile, NameCarriesTheComputersName) {
    EXPECT_EQ(settingsFileName("box") + settingsFileName("???"), "Tmbxbox.iniTmbx???.ini");
    EXPECT_EQ(settingsFileName("a/b\\c"), "Tmbxa_b_c.ini");
}

TEST(SettingsFile, MissingOrDamagedFileBecomesTheDefaultFile) {
    TempFolder folder;
    auto file = folder / "Tmbxbox.ini";
    std::ostringstream defaults;
    writeDefaultSettings(defaults);
    for (bool damaged : {false, true}) {
        if (damaged) std::ofstream(file) << "True\r\n";
        LoadedSettings loaded = loadSettingsFile(file, "/game");
        EXPECT_EQ(loaded.source, Source::DefaultFile);
        EXPECT_EQ(loaded.settings, defaultSettings("/game"));
        EXPECT_EQ(fileBytes(file), defaults.str());
        EXPECT_EQ(fileBytes(folder / "Tmbxbox.ini.bad"), damaged ? "True\r\n" : "");
    }
    Settings s = defaultSettings("/elsewhere");
    s.frmStatistic.reset();
    ASSERT_TRUE(saveSettingsFile(file, s));
    LoadedSettings loaded = loadSettingsFile(file, "/game");
    EXPECT_EQ(loaded.source, Source::File);
    EXPECT_EQ(loaded.settings, s);
}

TEST(SettingsFile, UnwritablePlaceLeavesTheDefaultsInForce) {
    TempFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    auto file = folder / "Tmbxbox.ini";
    std::filesystem::create_directory(file);
    for (auto [place, source] : {std::pair{file, Source::Unreadable},
                                 std::pair{folder / "none/Tmbxbox.ini", Source::BuiltIn}}) {
        LoadedSettings loaded = loadSettingsFile(place, "/game");
        EXPECT_EQ(loaded.source, source);
        EXPECT_EQ(loaded.settings, defaultSettings("/game"));
        EXPECT_FALSE(saveSettingsFile(place, loaded.settings));
    }
    EXPECT_TRUE(std::filesystem::is_directory(file));
    auto fifo = folder / "fifo.ini";  // read, it would never answer
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(loadSettingsFile(fifo, "/game").source, Source::Unreadable);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
}  // namespace tumblix::test
