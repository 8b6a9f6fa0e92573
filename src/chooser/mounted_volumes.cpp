// SPDX-License-Identifier: GPL-3.0-or-later
#include "chooser/mounted_volumes.h"

#include <QDir>
#include <QStorageInfo>

namespace tumblix {

namespace {
bool removableOrNetwork(const QStorageInfo& v) {
    static const QStringList kMountFolders = {"/media/", "/mnt/", "/run/media/"};
    static const QStringList kNetworkTypes = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs"};
    for (const QString& f : kMountFolders)
        if (v.rootPath().startsWith(f)) return true;
    return kNetworkTypes.contains(QString::fromUtf8(v.fileSystemType()));
}
}  // namespace

QStringList mountedVolumes() {
    QStringList volumes = {"/"};
    QString home = QStorageInfo(QDir::homePath()).rootPath();
    if (!home.isEmpty()) volumes << home;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && removableOrNetwork(v)) volumes << v.rootPath();
    volumes.removeDuplicates();
    return volumes;
}

QString volumeOf(const QStringList& volumes, const QString& folder) {
    QString best = "/";
    for (const QString& v : volumes) {
        bool holds = folder == v || folder.startsWith(v.endsWith('/') ? v : v + '/');
        if (holds && v.size() > best.size()) best = v;
    }
    return best;
}

}  // namespace tumblix
