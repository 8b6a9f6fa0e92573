// SPDX-License-Identifier: GPL-3.0-or-later
#include "chooser/file_pattern.h"

#include <QStringList>

namespace tumblix {

namespace {
// Wildcard match in linear passes: after a "*" fails further on, it takes one more character.
bool matchesPart(const QString& name, const QString& part) {
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < part.size() && (part[p] == '?' || part[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < part.size() && part[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < part.size() && part[p] == '*') ++p;
    return p == part.size();
}
}  // namespace

QString effectivePattern(const QString& AddictPattern) {
    return AddictPattern.isEmpty() ? QStringLiteral("*.wav") : AddictPattern;
}

bool matchesPattern(const QString& name, const QString& pattern) {
    QString folded = name.toCaseFolded();
    for (const QString& part : pattern.split(';')) {
        QString p = part.trimmed().toCaseFolded();
        if (!p.isEmpty() && matchesPart(folded, p)) return true;
    }
    return false;
}

}  // namespace tumblix
