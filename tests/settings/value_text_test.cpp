#include <gtest/gtest.h>

#include <optional>

#include "settings/value_text.h"

namespace tumblix::test {
namespace {

TEST(ValueText, NumberTakesTheLeadingDecimalNumber) {
    const std::pair<const char*, double> cases[] = {
        {" 555 ", 555}, {"\t-707 ", -707}, {"12abc", 12}, {"12 34", 12},    {"", 0},
        {"abc", 0},     {"- 5", 0},        {"+8", 8},     {" 2,5 ", 2.5},   {".5", 0.5},
        {"7.", 7},      {"1.2.3", 1.2},    {"1e3", 1},    {"-0,25x", -0.25}};
    for (auto [line, value] : cases) EXPECT_EQ(readNumber(line), value) << '"' << line << '"';
}

TEST(ValueText, StrictNumberIsTheWholeLine) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {" 1905 ", 1905},   {"\t-40\t", -40},          {"7310,5", 7310.5},
        {"7310.5", 7310.5}, {"1905abc", std::nullopt}, {"19 05", std::nullopt},
        {"", std::nullopt}, {" ", std::nullopt},       {".", std::nullopt}};
    for (auto [line, value] : cases) EXPECT_EQ(readStrictNumber(line), value) << '"' << line << '"';
}

TEST(ValueText, BooleanIsAWordOrANumber) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true}, {"TRUE", true}, {"false", false}, {" False ", false}, {"0", false},
        {" 0 ", false}, {"7", true},    {"-1", true},     {"0.5", true},      {"", {}},
        {"yes", {}},    {"Truex", {}},  {"7x", {}}};
    for (auto [line, value] : cases) EXPECT_EQ(readBoolean(line), value) << '"' << line << '"';
}

TEST(ValueText, PrintForm) {
    EXPECT_EQ(printNumber(555) + printNumber(0) + printNumber(-707), " 555  0 -707 ");
    EXPECT_EQ(printBoolean(true) + printBoolean(false), "TrueFalse");
}

}  // namespace
}  // namespace tumblix::test
