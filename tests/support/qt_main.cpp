// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "base/language.h"

// Widget tests need one application object for the whole run.
// They run without a screen unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The language the environment asks for, chosen as the game chooses it.
    tumblix::installLanguage(tumblix::chooseLanguage(QLocale::system().uiLanguages()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
