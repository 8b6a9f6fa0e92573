// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tumblix {

QString chooseLanguage(const QStringList& uiLanguages, const QString& override) {
    if (override == "ru" || override == "en") return override;
    bool foreign = false;
    for (const QString& name : uiLanguages) {
        QString code = name.section('-', 0, 0).section('_', 0, 0).toLower();
        if (code == "ru" || code == "en") return code;
        if (!code.isEmpty() && code != "c" && code != "posix") foreign = true;
    }
    return foreign ? "en" : "ru";
}

bool installLanguage(const QString& language, const QString& folder) {
    if (language == "ru") return true;
    auto* translator = new QTranslator(QCoreApplication::instance());  // the application's own
    const QString file = "tumblix_" + language;
    if ((folder.isEmpty() || !translator->load(file, folder)) &&
        !translator->load(file, ":/i18n")) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace tumblix
