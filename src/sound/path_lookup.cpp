// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/path_lookup.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace tumblix {

namespace {

// The entry of folder whose name equals name ignoring case, preferring an exact match.
QString findEntry(const QString& folder, const QString& name) {
    QDir dir(folder);
    if (dir.exists(name)) return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    auto it = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
    return it == entries.end() ? QString() : *it;
}

}  // namespace

std::string findSoundFile(const std::string& path) {
    QString written = QString::fromStdString(path).replace('\\', '/');
    if (written.isEmpty() || QFileInfo::exists(written)) return written.toStdString();
    bool absolute = written.startsWith('/');
    QString found = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : written.split('/', Qt::SkipEmptyParts)) {
        QString entry =
            part == "." || part == ".." ? part : findEntry(found.isEmpty() ? "." : found, part);
        if (entry.isEmpty()) return written.toStdString();
        if (!found.isEmpty() && !found.endsWith('/')) found += '/';
        found += entry;
    }
    return found.toStdString();
}

}  // namespace tumblix
