// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tonegen {

// Writes a sine of hz, encoded by libavcodec's encoder of that name ("libmp3lame", "mp2",
// "wmav2"); the container follows the path's extension. Both channels carry the same sine.
bool writeTone(const std::string& path, const char* encoder, double hz, double seconds,
               int rate = 44100, int channels = 1);

}  // namespace tonegen
