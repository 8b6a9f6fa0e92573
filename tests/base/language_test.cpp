// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/language.h"

namespace tumblix::testing {
namespace {

TEST(Language, TheFirstDesktopLanguageTheGameHasWinsOthersGetEnglishNoneRussian) {
    // The desktop's languages, the one asked for on the command line, the one chosen.
    const std::tuple<QStringList, QString, QString> cases[] = {
        {{"ru-RU", "ru-Cyrl-RU", "ru"}, "", "ru"},
        {{"en-US", "en-Latn-US", "en"}, "", "en"},
        {{"de", "de-DE", "ru", "ru-RU"}, "", "ru"},  // LANGUAGE=de:ru
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
        {{"C"}, "English", "ru"},
    };
    for (const auto& [desktop, asked, expected] : cases)
        EXPECT_EQ(chooseLanguage(desktop, asked), expected)
            << desktop.join(",").toStdString() << " --language " << asked.toStdString();
}

}  // namespace
}  // namespace tumblix::testing
