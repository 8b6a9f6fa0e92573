// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace tumblix {

std::optional<int> answerCommandLine(int argc, char** argv, const char* version,
                                     std::string& language) {
    int count = argc;
    QCoreApplication app(count, argv);  // no display: only the arguments are read
    QCoreApplication::setApplicationName("tumblix");
    QCoreApplication::setApplicationVersion(version);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Tumblix: a falling-blocks puzzle with figures of up to sixteen squares.\n"
        "Without options the game starts. Set TUMBLIX_SOUND_DEBUG=1 to see the sound\n"
        "libraries' messages.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption languageOption(
        "language", "The game's language: ru (Russian) or en (English); without it, the desktop's.",
        "ru|en");
    parser.addOption(languageOption);
    parser.parse(QCoreApplication::arguments());  // unknown options start the game all the same
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet("help-all")) parser.process(app);  // prints Qt's options too, and ends
    if (parser.isSet(versionOption)) {
        std::printf("tumblix %s\n", version);
        return 0;
    }
    if (parser.isSet(languageOption)) language = parser.value(languageOption).toStdString();
    return std::nullopt;
}

}  // namespace tumblix
