// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/language.h"

namespace tumblix::testing {
namespace {

TEST(Language, TheFirstDesktopLanguageTheGameHasWinsOthersGetEnglishNoneRussian) {
    struct Case {
        QStringList desktop;
        QString override, expected;
    };
    const Case cases[] = {
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
    for (const Case& c : cases)
        EXPECT_EQ(chooseLanguage(c.desktop, c.override), c.expected)
            << c.desktop.join(",").toStdString() << " --language " << c.override.toStdString();
}

}  // namespace
}  // namespace tumblix::testing
