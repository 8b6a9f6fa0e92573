// SPDX-License-Identifier: GPL-3.0-or-later
#include "chooser/file_names.h"

#include <algorithm>

namespace tumblix {

QString GetFileName(const QString& FullFileName) {
    qsizetype slash = std::max(FullFileName.lastIndexOf('/'), FullFileName.lastIndexOf('\\'));
    QString name = FullFileName.mid(slash + 1);
    return name.size() <= 4 ? QString() : name.chopped(4);
}

QString GetFolderPath(const QString& path) {
    return path.left(path.lastIndexOf('/') + 1);
}

}  // namespace tumblix
