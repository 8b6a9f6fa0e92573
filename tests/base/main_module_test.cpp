// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/language.h"
#include "base/main_module.h"
#include "engine/random.h"
#include "support/fakes.h"

namespace tumblix {
namespace {

// Stirring draws one more than the seconds; YieldMessages counts 0..n twice over.
TEST(MainModuleTest, TextHelpersCountedLoopsAndRoundingHalfToEven) {
    std::string path = "C:\\Games\\Tumblix\\sound\\very_long_nam.wav";  // 40 characters
    EXPECT_EQ(ShortenPath(path, 20) + "|" + ShortenPath(path, 40), "C:\\Games..._nam.wav|" + path);
    EXPECT_EQ(ShortenPath("Музыка/Фон/мелодия.wav", 12), "Музы....wav");  // characters, not bytes
    // CutAtNull trims, then cuts.
    EXPECT_EQ(CutAtNull(" box  ") + CutAtNull("   ") + CutAtNull(std::string("host\0x  ", 8)),
              "boxhost");
    test::FakeRandom r;
    test::FakeClock clock;
    clock.sec = 59;
    stirRandom(r, clock);
    int handled = 0;
    for (int n : {50, 0, -1}) YieldMessages(n, [&] { ++handled; });
    EXPECT_EQ(std::pair(r.draws, handled), std::pair(60, 2602));
    for (auto [v, n] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.51, 3}})
        EXPECT_EQ(roundHalfEven(v), n) << v;
}

TEST(Language, TheFirstDesktopLanguageTheGameHasWinsOthersGetEnglishNoneRussian) {
    // The desktop's languages (the third LANGUAGE=de:ru), the one asked for on the command
    // line, the one chosen.
    const std::tuple<QStringList, QString, QString> cases[] = {
        {{"ru-RU", "ru-Cyrl-RU", "ru"}, "", "ru"},
        {{"en-US", "en-Latn-US", "en"}, "", "en"},
        {{"de", "de-DE", "ru", "ru-RU"}, "", "ru"},
        {{"en_GB", "ru"}, "", "en"},
        {{"de-DE", "de"}, "", "en"},
        {{"pt-BR", "C"}, "", "en"},
        {{"C"}, "", "ru"},
        {{"POSIX"}, "", "ru"},
        {{}, "", "ru"},
        {{"ru-RU"}, "en", "en"},
        {{"de-DE"}, "ru", "ru"},
        {{"C"}, "en", "en"},
        {{"en-US"}, "fr", "en"},
        {{"C"}, "English", "ru"}};
    for (const auto& [desktop, asked, expected] : cases)
        EXPECT_EQ(chooseLanguage(desktop, asked), expected)
            << desktop.join(",").toStdString() << " --language " << asked.toStdString();
}

}  // namespace
}  // namespace tumblix
