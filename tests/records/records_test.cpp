// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include "files/bounded_read.h"
#include "records/best_players.h"
#include "records/records_file.h"
#include "support/game_fixture.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

using Records = std::vector<Record>;

ReadRecords read(const std::string& bytes) {
    std::istringstream in(bytes);
    return readRecords(in);
}

TEST(RecordsFile, WritesCleanUtf8WithCrLfAndReadsItTheCyrillicCodePageAndLeadingNumbers) {
    const Records table{{"Иван", 1234}, {"Guest", 0}, {"Минус", -5}};
    std::ostringstream out;
    writeRecords(out, table);
    EXPECT_EQ(out.str(), "Иван\r\n 1234 \r\nGuest\r\n 0 \r\nМинус\r\n-5 \r\n");
    EXPECT_EQ(read(out.str()).records, table);
    // LF line ends, a missing last line end, a byte-order mark and control characters (tabs
    // and byte-order marks too) in a name read the same.
    EXPECT_EQ(read("\xEF\xBB\xBFИван\n 1234\nGu\x01\tes\x7F\xEF\xBB\xBFt\n 0\nМинус\n-5").records,
              table);
    // Every letter, then "Ёж №1—ё" in Windows-1251: not valid UTF-8, so every byte is cp1251.
    std::string letters;
    for (int b = 0xC0; b <= 0xFF; ++b) letters += static_cast<char>(b);
    EXPECT_EQ(read(letters + "\r\n 7\r\n\xA8\xE6 \xB9\x31\x97\xB8\r\n 3\r\n").records,
              (Records{{"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя", 7},
                       {"Ёж №1—ё", 3}}));
    // A name that would split its record, and one that would make the file read as cp1251 (a
    // stray byte, an encoded surrogate); a character beyond 16 bits stays.
    out.str("");
    writeRecords(out, {{"a\r\nb\x01", 2}, {"x\xFFy\xED\xA0\x80", 1}, {"Иван😀", 0}});
    EXPECT_EQ(read(out.str()).records,
              (Records{{"ab", 2}, {"x\uFFFDy\uFFFD\uFFFD\uFFFD", 1}, {"Иван😀", 0}}));
    // The score line takes its leading number, kept to 64 bits; a name without its score at
    // the end drops only that name.
    constexpr auto max = std::numeric_limits<std::int64_t>::max(), min = -max - 1;
    std::vector<std::int64_t> scores;
    for (const Record& r :
         read("N\r\n 42\r\nN\r\n\t-17 points\r\nN\r\n+8\r\nN\r\nabc\r\nN\r\n\r\nN\r\n 12x34\r\n"
              "N\r\n 9223372036854775807\r\nN\r\n 99999999999999999999999\r\n"
              "N\r\n-9223372036854775808\r\nN\r\n-99999999999999999999999\n")
             .records)
        scores.push_back(r.score);
    EXPECT_EQ(scores, (std::vector<std::int64_t>{42, -17, 8, 0, 0, 12, max, max, min, min}));
    for (const char* tail : {"C", "C\r\n", "C\n"})
        EXPECT_EQ(read(std::string("A\r\n 2\r\nB\r\n 1\r\n") + tail).records,
                  (Records{{"A", 2}, {"B", 1}}))
            << tail;
}

namespace fs = std::filesystem;

// A game on fakes whose table lives in a folder of its own. It answers the name dialog and notes
// the table's selections.
struct BestPlayersTest : GameTest, NameAsker, PanelObserver {
    BestPlayersTest() {
        game.setRecords(&players);
        game.panel().setObserver(this);
    }
    ~BestPlayersTest() override { game.panel().setObserver(nullptr); }
    std::optional<std::string> askPlayerName() override {
        ++asked;
        demoRunningWhenAsked |= game.panel().timer(Timer::tmrDemo).enabled;
        if (whileAsked) whileAsked();
        return asked <= int(answers.size()) ? answers[asked - 1] : "Player";
    }
    std::string todayShortDate() override { return "24.05.2024"; }
    void listSelected(List l, int i) override {
        if (l == List::lstTable) picks.push_back(i);
    }
    fs::path file() const { return dir / "TumblixFathers.txt"; }
    void writeTable(const Records& table) { saveRecordsFile(file(), table); }
    Records onDisk() const { return read(fileBytes(file())).records; }
    const auto& table() const { return game.panel().list(List::lstTable).lines; }

    TempFolder dir;
    std::vector<std::optional<std::string>> answers;  // then "Player" for ever
    int asked = 0;
    bool demoRunningWhenAsked = false;
    std::function<void()> whileAsked;  // another copy's doing while the name is asked
    std::vector<int> picks;
    BestPlayers players{game, *this, dir / "TumblixFathers.txt"};
    const std::vector<std::string> guestOnly{"1. Guest          0"};
};

// A table too large, or no regular file at all, is read as unreadable: never waited on,
// never written over, and the lost result is said in the log.
TEST_F(BestPlayersTest, WhatIsNotAReadableTableIsNeverReplaced) {
    // A folder or a device in its place reads as the pipe does (the file tests).
    for (int kind = 0; kind < 2; ++kind) {  // a large file, a pipe
        fs::remove_all(file());
        if (kind == 0) std::ofstream(file()) << std::string(kMaxOwnFileBytes + 1, '7');
        ASSERT_TRUE(kind != 1 || mkfifo(file().c_str(), 0644) == 0);
        auto before = fs::symlink_status(file());
        game.Form_Load();
        EXPECT_EQ(table(), guestOnly);
        players.store(5);
        EXPECT_EQ(fs::symlink_status(file()).type(), before.type());
        EXPECT_EQ(stats().back(), "Таблица рекордов не записана: файл " + file().string() +
                                      " не читается, он оставлен как есть");
    }
    fs::remove(file());  // a table that can be read again is written again, and nothing said
    auto logged = stats().size();
    players.store(5);
    EXPECT_EQ(std::tuple(stats().size(), onDisk().size()), std::tuple(logged, 2u));
}

// A longer table is cut to 99 entries; a full one pushes out its last for a better result,
// asked for with the demo stopped, and refuses a lower one without asking.
TEST_F(BestPlayersTest, TableHoldsNinetyNineEntries) {
    Records many;
    for (int i = 1; i <= 150; ++i) many.push_back({std::to_string(i), 2000 - i});
    writeTable(many);
    game.Form_Load();
    many.resize(99);
    EXPECT_EQ(std::tuple(players.records(), text(Ctl::lblPosition)), std::tuple(many, ""));
    players.store(5);  // no place shown past the 99th, and no name asked
    game.panel().setTimerEnabled(Timer::tmrDemo, true);
    players.store(1950);
    EXPECT_EQ(std::pair(asked, demoRunningWhenAsked), std::pair(1, false));
    many.insert(many.begin() + 50, {"Player", 1950});
    many.pop_back();
    EXPECT_EQ(onDisk(), many);
    EXPECT_EQ(table()[8] + table()[9] + table()[50],
              "9. 9              199110.10             199051.Player         1950");
}

// A result another copy of the game wrote while the name was asked is kept: the table is read
// again under its lock before it is written. The list pads a name to 15 characters (not bytes);
// a longer one is listed whole, its score right after it. "No" to a new game ends this one.
TEST_F(BestPlayersTest, ResultsOfOtherCopiesAreKeptAndNoEndsTheGame) {
    const std::string ann = "Анна-Мария Петрова";  // 18 characters
    writeTable({{ann, 100000}});
    game.Form_Load();
    whileAsked = [&] { writeTable({{ann, 100000}, {"Иван", 3}}); };
    answers = {"Me"};
    landIntoGameOver();
    EXPECT_EQ(onDisk(), (Records{{ann, 100000}, {"Me", s().Score / 10}, {"Иван", 3}}));
    game.tmrDown_Timer();
    EXPECT_EQ(std::tuple(table()[0], table()[2], s().TickCount, host.closed),
              std::tuple("1. " + ann + "100000", "3. Иван           3", 0, 1));
}

TEST_F(BestPlayersTest, DefaultAndEmptyTablesNamesEqualScoresDatesAndCancelledDialogs) {
    game.Form_Load();  // no file yet: the default one is written
    EXPECT_EQ(std::tuple(fileBytes(file()), table(), text(Ctl::lblPosition)),
              std::tuple("Guest\r\n0\r\n", guestOnly, "Place # 2"));
    std::ofstream(file()).close();  // an empty table: first place from the start
    game.Form_Load();
    EXPECT_EQ(std::tuple(table().size(), text(Ctl::lblPosition)), std::tuple(0ul, "Place # 1"));
    std::ofstream(file(), std::ios::binary) << "Ann\n 30\nBob\n 20\n";  // LF only
    game.Form_Load();
    answers = {std::nullopt, "", "Cy"};
    players.store(30);  // cancelled: nothing stored, the file rewritten all the same
    EXPECT_EQ(fileBytes(file()), "Ann\r\n 30 \r\nBob\r\n 20 \r\n");
    players.store(20);  // below Bob, named by the date
    players.store(25);
    EXPECT_EQ(onDisk(), (Records{{"Ann", 30}, {"Cy", 25}, {"Bob", 20}, {"24.05.2024", 20}}));
    // No temporary files are left; only the table and its lock file stand in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 2);
}

TEST_F(BestPlayersTest, PlaceClimbsTheTableDuringPlay) {
    writeTable({{"A", 5000}, {"B", 2000}, {"C", 1000}, {"D", 500}});
    game.Form_Load();
    EXPECT_EQ(text(Ctl::lblPosition), "Place # 5");
    auto landAt = [&](std::int64_t points) {
        s().board.clear();
        s().Score = points * 10;
        put(kJ, 4, 0);
        land();
    };
    // The labels and whether the menu lights up.
    auto shown = [&] {
        return std::tuple(text(Ctl::lblNextPlace), text(Ctl::lblPosition),
                          game.panel().timer(Timer::tmrMigMenuControls).enabled);
    };
    landAt(296);  // 500 points: level with D is not past it
    EXPECT_EQ(shown(), std::tuple("Next Place : +0", "Place # 5", false));
    landAt(1500);  // past D and C at once
    EXPECT_EQ(shown(), std::tuple("Next Place : +296", "Place # 3", true));
    EXPECT_EQ(picks, (std::vector<int>{0, 2}));

    landAt(1600);
    landAt(2500);
    EXPECT_EQ(std::count(stats().begin(), stats().end(), "...Current place : 3"), 1);
    EXPECT_EQ(stats().back(), "...Current place : 2");

    board.reset();
    landAt(9000);
    landAt(9500);
    EXPECT_EQ(std::tuple(std::count(stats().begin(), stats().end(), "...VICTORY !!!"),
                         text(Ctl::lblPosition), game.panel()[Ctl::lblPosition].foreColor,
                         game.panel()[Ctl::lblNextPlace].visible),
              std::tuple(1, "Place # 1", qbColor(11), false));
    EXPECT_EQ(board.ops(RecordingCanvas::Op::Line).back().color, rgb(200, 200, 220));
    // From the seventh place on, the first selection keeps five lines above the place in view.
    Records nine;
    for (int i = 1; i <= 9; ++i) nine.push_back({std::to_string(i), 1000 - 100 * i});
    writeTable(nine);
    game.Form_Load();
    picks.clear();
    landAt(146);  // 350 points: past 300, 200 and 100
    EXPECT_EQ(picks, (std::vector<int>{1, 6}));
}

}  // namespace
}  // namespace tumblix::test
