// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tumblix {

// Without a sound device OpenAL Soft and ALSA each print several lines on standard error,
// although the game plays on silently. Called before the first OpenAL call, this keeps them
// quiet, unless TUMBLIX_SOUND_DEBUG is set (to anything but 0) or the user set ALSOFT_LOGLEVEL.
void quietSoundLibraries();

}  // namespace tumblix
