// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tumblix {

class MainWindow;
struct SequenceState;
class SoundSystem;

// Makes the main window's "Set" show the settings dialog on the window's game values, the
// given sound system and the figure sequence, which the game's chooser follows from now on.
void installSettingsDialog(MainWindow& main, SoundSystem& sounds, SequenceState& sequence);

}  // namespace tumblix
