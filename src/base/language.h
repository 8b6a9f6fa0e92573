// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tumblix {

// The language the game speaks, "ru" (its own texts) or "en". An override of "ru" or "en"
// (--language) wins; else the first of the desktop's languages (QLocale::system().uiLanguages(),
// from LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the game has; a desktop in other languages
// only gets English, the C or POSIX locale or none at all Russian.
QString chooseLanguage(const QStringList& uiLanguages, const QString& override = {});

// Puts the game's texts into language for the whole program, once the application exists:
// Russian needs nothing; English comes from tumblix_en.qm in folder, else from the copy built
// into the program. False when no translation could be loaded (the texts then stay Russian).
bool installLanguage(const QString& language, const QString& folder = {});

}  // namespace tumblix
