// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tumblix {

// The file a sound path names. Backslashes count as "/"; when the path does not exist as
// written, each component is looked up ignoring letter case. A path that matches nothing comes
// back with its backslashes turned.
std::string findSoundFile(const std::string& path);

}  // namespace tumblix
