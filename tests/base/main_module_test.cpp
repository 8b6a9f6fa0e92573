// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/main_module.h"
#include "engine/random.h"

namespace tumblix {
namespace {

TEST(MainModuleTest, TextHelpers) {
    std::string path = "C:\\Games\\Tumblix\\sound\\very_long_nam.wav";  // 40 characters
    EXPECT_EQ(ShortenPath(path, 20), "C:\\Games..._nam.wav");
    EXPECT_EQ(ShortenPath(path, 40), path);
    EXPECT_EQ(ShortenPath("Музыка/Фон/мелодия.wav", 12), "Музы....wav");  // characters, not bytes
    EXPECT_EQ(ShortenPath("abcdef", 2), "...");
    // CutAtNull trims, then cuts.
    EXPECT_EQ(CutAtNull("  tumblix-box   ") + CutAtNull("     "), "tumblix-box");
    EXPECT_EQ(CutAtNull(std::string("host\0garbage   ", 15)), "host");
}

// Stirring by the clock's seconds is the figure chooser's tests'.
TEST(MainModuleTest, RoundsHalfToEven) {
    for (auto [v, n] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.51, 3}})
        EXPECT_EQ(roundHalfEven(v), n) << v;
}

}  // namespace
}  // namespace tumblix
