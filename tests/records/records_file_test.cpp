#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "records/records_file.h"

namespace tumblix::test {
namespace {

ReadRecords read(const std::string& bytes) {
    std::istringstream in(bytes);
    return readRecords(in);
}

TEST(RecordsFile, WritesUtf8WithCrLfAndReadsItOrTheWindowsCyrillicCodePage) {
    const std::vector<Record> table{{"Иван", 1234}, {"Guest", 0}, {"Минус", -5}};
    std::ostringstream out;
    writeRecords(out, table);
    EXPECT_EQ(out.str(), "Иван\r\n 1234\r\nGuest\r\n 0\r\nМинус\r\n-5\r\n");
    EXPECT_EQ(read(out.str()).records, table);
    // LF line ends, a missing last line end and a byte-order mark read the same.
    EXPECT_EQ(read("\xEF\xBB\xBFИван\n 1234\nGuest\n 0\nМинус\n-5").records, table);
    // "Иван", then "Ёж №1—ё" in Windows-1251: not valid UTF-8, so every byte is cp1251.
    auto r = read("\xC8\xE2\xE0\xED\r\n 7\r\n\xA8\xE6 \xB9\x31\x97\xB8\r\n 3\r\n");
    EXPECT_EQ(r.records, (std::vector<Record>{{"Иван", 7}, {"Ёж №1—ё", 3}}));
}

TEST(RecordsFile, ScoreLineTakesTheLeadingNumber) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {" 42", 42},
        {"\t-17 points", -17},
        {"+8", 8},
        {"abc", 0},
        {"", 0},
        {" 12x34", 12},
        {" 9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {" 99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()}};
    for (auto [line, score] : cases) {
        auto r = read(std::string("Name\r\n") + line + "\r\n");
        ASSERT_EQ(r.records.size(), 1u) << line;
        EXPECT_EQ(r.records[0].score, score) << line;
    }
}

TEST(RecordsFile, NameWithoutScoreDropsOnlyTheBrokenTail) {
    for (const char* tail : {"C", "C\r\n", "C\n"}) {
        auto r = read(std::string("A\r\n 2\r\nB\r\n 1\r\n") + tail);
        EXPECT_EQ(r.records, (std::vector<Record>{{"A", 2}, {"B", 1}})) << tail;
        EXPECT_TRUE(r.brokenTail);
    }
    auto empty = read("");
    EXPECT_TRUE(empty.records.empty());
    EXPECT_FALSE(empty.brokenTail);
}

TEST(RecordsFile, NamesNeverCarryLineBreaksOrBrokenUtf8) {
    // A name that would split its record, and one that would make the file read as cp1251.
    std::ostringstream out;
    writeRecords(out, {{"a\r\nb\x01", 2}, {"x\xFFy", 1}, {"Иван", 0}});
    EXPECT_EQ(read(out.str()).records,
              (std::vector<Record>{{"ab", 2}, {"x\uFFFDy", 1}, {"Иван", 0}}));
    EXPECT_EQ(read("a\x01\x7F\tb\r\n 1\r\n").records[0].name, "ab");
}

TEST(RecordsFile, ListLinePadsTheNameToFifteenCharacters) {
    EXPECT_EQ(recordListLine(1, {"Guest", 0}), "1. Guest          0");
    EXPECT_EQ(recordListLine(10, {"Иван", -5}), "10.Иван           -5");
    EXPECT_EQ(recordListLine(99, {"ExactlyFifteen!", 7}), "99.ExactlyFifteen!7");
    EXPECT_EQ(recordListLine(2, {"A name longer than that", 123}), "2. A name longer than that123");
}

}  // namespace
}  // namespace tumblix::test
