// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "settings/settings_file.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"
#include "settings/value_text.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

const std::string kFolder = "/opt/Тумбликс";

// The default file, line by line: windows, music, the ten sounds, MP3 and game options.
const std::vector<std::string> kDefaultLines = {
    " 555 ", " 405 ",  "True",  " 7310 ",  " 6505 ", "True",   " 7310 ", " 1905 ",
    "True",  " 7310 ", " 405 ", "True",    " 7310 ", " 5205 ", "True",   "tumblix-music...",
    "...",   "True",   "-707 ", " 46717 ", "...",    "True",   "-1322 ", " 57299 ",
    "...",   "True",   "-747 ", " 71379 ", "...",    "True",   "-776 ",  " 60920 ",
    "...",   "True",   "-920 ", " 58103 ", "...",    "True",   "-1034 ", " 56092 ",
    "...",   "True",   "-647 ", " 37184 ", "...",    "True",   "-474 ",  " 33563 ",
    "...",   "True",   "-589 ", " 58506 ", "...",    "True",   "-546 ",  " 49655 ",
    "...",   "True",   "-474 ", " 60115 ", "...",    "True",   "True",   " 0 ",
    " 1 ",   "True"};

std::string join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

std::optional<Settings> parse(const std::string& bytes) {
    std::istringstream in(bytes);
    return parseSettings(in, kFolder);
}

std::optional<Settings> parseWith(std::size_t line, const std::string& text) {
    std::vector<std::string> lines = kDefaultLines;
    lines[line] = text;
    return parse(join(lines));
}

std::string format(const Settings& s) {
    std::ostringstream out;
    formatSettings(out, s);
    return out.str();
}

TEST(SettingsFormat, DefaultFileReadsWithFullPathsAndEveryTruncatedFileFails) {
    std::ostringstream out;
    writeDefaultSettings(out);
    EXPECT_EQ(out.str(), join(kDefaultLines));

    Settings expected = defaultSettings(kFolder);
    EXPECT_EQ(parse(join(kDefaultLines)), expected);
    // LF ends, no end on the last line, a byte-order mark and lines after the last value.
    std::string lf = join(kDefaultLines, "\n");
    EXPECT_EQ(parse("\xEF\xBB\xBF" + lf + "more\n"), expected);
    EXPECT_EQ(parse(lf.substr(0, lf.size() - 1)), expected);
    // Every truncated file is a failure.
    for (auto end = kDefaultLines.begin(); end != kDefaultLines.end(); ++end)
        EXPECT_EQ(parse(join({kDefaultLines.begin(), end})), std::nullopt) << *end;
}

TEST(SettingsFormat, EachLineFollowsItsReadingRule) {
    const std::tuple<std::size_t, const char*, std::function<bool(const Settings&)>> cases[] = {
        {0, "  1234,5abc", [](auto& s) { return s.mainWindow.left == 1234; }},
        {4, " 6504.5 twips", [](auto& s) { return s.frmTumbliFathers->top == 6504; }},
        {10, "-3.5", [](auto& s) { return s.frmFuture->top == -4; }},
        {17, "-1", [](auto& s) { return s.EnableLoop; }},
        {18, "2.5", [](auto& s) { return s.BkgVolume == 2; }},
        {19, "3.5 Hz", [](auto& s) { return s.freq == 4; }},
        {23, " 99999 ", [](auto& s) { return s.sounds[0].DMCtrlFreq == 99999; }},
        {61, "0", [](auto& s) { return !s.MP3Enable; }},
        {64, "255.4", [](auto& s) { return s.iFantom == 255; }},
    };
    for (const auto& [line, text, holds] : cases) {
        auto s = parseWith(line, text);
        EXPECT_TRUE(s && holds(*s)) << line << ": " << text;
    }
    const std::pair<std::size_t, const char*> refused[] = {
        {7, "1905 twips"}, {11, "Yes"}, {18, "32768"}, {19, "2147483648"},
        {22, "-32769"},    {64, "256"}, {64, "-1"},    {65, ""}};
    for (auto [line, text] : refused)
        EXPECT_EQ(parseWith(line, text), std::nullopt) << line << ": " << text;
    for (const char* marker : {"", "True", "\xFF\xFE"})
        EXPECT_EQ(parseWith(15, marker), defaultSettings(kFolder)) << marker;
}

// Written back: a default sound path in full, and lines read in the Cyrillic code page as UTF-8.
// A path with a line break in it is written as "..." and so reads back as the default: each of
// the twelve path lines, with either break, keeps the file at its 66 lines.
TEST(SettingsFormat, PathsAsTheyAreWrittenBackAndOneThatCannotStandOnOneLineAsNone) {
    std::string text = format(*parse(join(kDefaultLines)));
    EXPECT_NE(text.find("\n" + kFolder + "/sound/drop2.WAV\r\nTrue\r\n"), std::string::npos);
    std::vector<std::string> lines = kDefaultLines;
    lines[16] = "C:\\\xCC\xF3\xE7\xFB\xEA\xE0.wav";  // "Музыка" in Windows-1251
    lines[20] = "/звук/влево.wav";                   // the next line's UTF-8 stays as it is
    Settings s = *parse(join(lines));
    EXPECT_EQ(s.sounds[0].DMCtrlPath, "/звук/влево.wav");
    EXPECT_NE(format(s).find("\r\nC:\\Музыка.wav\r\n"), std::string::npos);
    s = defaultSettings(kFolder);  // each switch beside another kept on
    s.EnableSoundControl = s.MP3Enable = s.bDrawSetka = s.sounds[9].DMCtrlEnabled = false;
    s.SpeedChange = -300;
    std::vector<std::string*> paths = {&s.PathToBkgMusic, &s.MP3Path};
    for (SoundSettings& sound : s.sounds) paths.push_back(&sound.DMCtrlPath);
    for (std::string* path : paths)
        for (const char* broken : {"/a\nb.wav", "/a\rb.wav", "/ab.wav\r"}) {
            std::string kept = std::exchange(*path, broken);
            text = format(s);
            *path = kept;
            EXPECT_EQ(parse(text), s) << text;
        }
    EXPECT_EQ(parseWith(16, "/a\rb.wav"), defaultSettings(kFolder));
}

TEST(ValueText, NumberTakesTheLeadingDecimalNumberAndBooleansAreWordsOrNumbers) {
    const std::pair<const char*, double> cases[] = {
        {"\t-707 ", -707}, {"12abc", 12},  {"", 0},          {"- 5", 0},
        {"+8", 8},         {" 2,5 ", 2.5}, {".5", 0.5},      {"7.", 7},
        {"1.2.3", 1.2},    {"1e3", 1},     {"-0,25x", -0.25}};
    for (auto [line, value] : cases) EXPECT_EQ(readNumber(line), value) << '"' << line << '"';
    // A strict number is the whole line.
    const std::pair<const char*, std::optional<double>> strict[] = {
        {" 1905 ", 1905},   {"\t-40\t", -40},          {"7310,5", 7310.5},
        {"7310.5", 7310.5}, {"1905abc", std::nullopt}, {"19 05", std::nullopt},
        {"", std::nullopt}, {" ", std::nullopt},       {".", std::nullopt}};
    for (auto [line, value] : strict) EXPECT_EQ(readStrictNumber(line), value) << line;
    // A Boolean is a word or a number; VB's True is -1.
    const std::pair<const char*, std::optional<bool>> booleans[] = {
        {"TRUE", true}, {"false", false}, {" False ", false}, {" 0 ", false}, {"-1", true},
        {"0.5", true},  {"", {}},         {"yes", {}},        {"Truex", {}},  {"7x", {}}};
    for (auto [line, value] : booleans) EXPECT_EQ(readBoolean(line), value) << line;
}

using Source = LoadedSettings::Source;
namespace fs = std::filesystem;

// Runs the checks as an ordinary user: here, or when the tests run as the administrator, whom
// file permissions do not bind, in a child process as "nobody", whose failures fail the test
// and are shown. What the checks touch must be open to that user.
void asOrdinaryUser(const std::function<void()>& checks) {
    if (::geteuid() != 0) return checks();
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
            ::testing::TestPartResultArray failed;  // the checks report only their failures
            (::testing::ScopedFakeTestPartResultReporter(&failed), checks());
            for (int i = 0; i < failed.size(); ++i) {
                const ::testing::TestPartResult& r = failed.GetTestPartResult(i);
                std::fprintf(stderr, "%s:%d: %s\n", r.file_name(), r.line_number(), r.message());
            }
            std::_Exit(failed.size() > 0 ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

// A good file, named after the computer, reads as it is. Whatever else was there is kept under
// another name, and the file in its place reads as the settings in force, saved at exit.
TEST(SettingsFile, ABadFileIsSetAsideAndReplacedWhatCannotBeReplacedLeavesTheDefaults) {
    TempFolder folder;
    fs::permissions(folder.path, fs::perms::all);  // open to the ordinary user
    auto file = folder / settingsFileName("?b/o\\x");
    Settings placed = defaultSettings("/game");
    placed.mainWindow = {1500, 20};
    std::ostringstream good;
    formatSettings(good, placed);
    const std::string tail(1 << 20, 'x'), shorter(1000 << 10, 'x');  // the bound is 1 MiB
    // Each case: its bytes (none: no file) and mode, where the settings read come from, whether
    // they are `placed` (not the defaults), and whether the file is set aside.
    const std::tuple<const char*, std::optional<std::string>, fs::perms, Source, bool, bool>
        cases[] = {
            {"good", good.str(), fs::perms::owner_read, Source::File, true, false},
            {"missing", std::nullopt, fs::perms::none, Source::DefaultFile, false, false},
            {"damaged", "True\r\n", fs::perms::owner_all, Source::DefaultFile, false, true},
            {"unreadable", good.str(), fs::perms::none, Source::DefaultFile, false, true},
            {"long and good", good.str() + shorter, fs::perms::owner_all, Source::File, true,
             false},
            {"too long", good.str() + tail, fs::perms::owner_all, Source::File, true, true},
            {"long and damaged", tail + good.str(), fs::perms::owner_all, Source::DefaultFile,
             false, true},
        };
    asOrdinaryUser([&] {
        int kept = 1;  // FILE.bad, then .bad2, .bad3 ...: none replaces another
        for (const auto& [name, bytes, mode, source, placedKept, setAside] : cases) {
            SCOPED_TRACE(name);
            std::error_code ec;
            fs::remove(file, ec);
            if (bytes) {
                std::ofstream(file, std::ios::binary) << *bytes;
                fs::permissions(file, mode);
            }
            LoadedSettings loaded = loadSettingsFile(file, "/game");
            std::string aside = "Tmbx?b_o_x.ini.bad" + (kept > 1 ? std::to_string(kept) : "");
            EXPECT_EQ(std::tuple(loaded.source, loaded.settings, fs::file_size(folder / aside, ec)),
                      std::tuple(source, placedKept ? placed : defaultSettings("/game"),
                                 setAside ? bytes->size() : -1));
            EXPECT_EQ(loadSettingsFile(file, "/game").settings, loaded.settings);
            kept += setAside;
            EXPECT_TRUE(saveSettingsFile(file, loaded.settings));
        }
    });
    // A folder where the file should be can be neither read nor replaced, and one in a missing
    // folder cannot be written: the defaults stay in force.
    auto box = folder / "Tmbxbox.ini";
    fs::create_directory(box);
    for (auto [place, source] : {std::pair{box, Source::Unreadable},
                                 std::pair{folder / "none/Tmbxbox.ini", Source::BuiltIn}}) {
        LoadedSettings loaded = loadSettingsFile(place, "/game");
        EXPECT_EQ(std::tuple(loaded.source, loaded.settings, bool(saveSettingsFile(place, {}))),
                  std::tuple(source, defaultSettings("/game"), false));
    }
    EXPECT_TRUE(fs::is_directory(box));
}

}  // namespace
}  // namespace tumblix::test
