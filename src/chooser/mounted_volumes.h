// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tumblix {

// The volumes a player may pick files from, as the chooser's drive list shows them: the root,
// the home folder's volume, and the removable and network mounts; each once, root first.
QStringList mountedVolumes();

// The volume of the list that holds a folder: the longest root that is a prefix of it; "/"
// when none is.
QString volumeOf(const QStringList& volumes, const QString& folder);

}  // namespace tumblix
