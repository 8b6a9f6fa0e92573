// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tumblix {

// The name of a file's full path without its folder and its extension: the part after the last
// "/" or "\" with its last four characters dropped ("/a/left1.WAV" and "C:\a\left1.WAV" give
// "left1"). An empty path, or a name of four characters or fewer, gives "". A path without a
// separator is all name.
QString GetFileName(const QString& FullFileName);

// The folder part of a path, up to and including its last "/" ("/a/b.wav" gives "/a/"; "/a"
// gives "/"); "" when the path holds no "/".
QString GetFolderPath(const QString& path);

}  // namespace tumblix
