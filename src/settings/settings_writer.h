// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "settings/settings.h"

namespace tumblix {

// Writes the settings file's lines in UTF-8, each ended by CR LF: numbers in their print form,
// Booleans as "True"/"False", texts unchanged. A closed side window has no place lines.
void formatSettings(std::ostream& out, const Settings& settings);

// The default file: 66 lines, with "..." for every sound and music path.
void writeDefaultSettings(std::ostream& out);

}  // namespace tumblix
