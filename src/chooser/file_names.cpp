#include "chooser/file_names.h"

namespace tumblix {

QString GetFileName(const QString& FullFileName) {
    QString name = FullFileName.mid(FullFileName.lastIndexOf('/') + 1);
    return name.size() <= 4 ? QString() : name.chopped(4);
}

QString GetFolderPath(const QString& path) {
    return path.left(path.lastIndexOf('/') + 1);
}

}  // namespace tumblix
