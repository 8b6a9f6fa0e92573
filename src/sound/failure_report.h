// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tumblix {

// Told where the sound system failed ("DirectSound" for the music, "DMCtrl" for an event sound).
using FailureReport = void (*)(const std::string& where);

}  // namespace tumblix
