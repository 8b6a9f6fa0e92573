#pragma once

#include <string>

namespace tonegen {

// Writes a sine of hz, 44.1 kHz mono, encoded by libavcodec's encoder of that name
// ("libmp3lame", "mp2", "wmav2"); the container follows the path's extension.
bool writeTone(const std::string& path, const char* encoder, double hz, double seconds);

}  // namespace tonegen
