// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "settings/settings.h"

namespace tumblix {

// Reads a settings file. Nothing when the file ends early, a Boolean or strict number line holds
// other text, a number does not fit its type, or the stream fails. Lines may end in CR LF or LF;
// a line that is not valid UTF-8 is read as Windows-1251. The "..." sound and music paths become
// the full default paths below programFolder; the MP3 path is kept as it stands. A path line
// holding a carriage return reads as "...". The marker line is not looked at, and lines after
// the last value are ignored.
std::optional<Settings> parseSettings(std::istream& in, const std::string& programFolder);

}  // namespace tumblix
