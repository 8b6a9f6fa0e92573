// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_hook.h"

#include <memory>

#include "settings_dialog/settings_dialog.h"
#include "ui/main_window.h"

namespace tumblix {

namespace {
// The main window's game values with the program's sound system and sequence.
class WindowSettings final : public SettingsTarget {
  public:
    WindowSettings(MainWindow& main, SoundSystem& sounds, SequenceState& sequence)
        : main_(main), sounds_(sounds), sequence_(sequence) {}
    GameSettings& gameSettings() override { return main_.game().settings(); }
    SoundSystem& soundSystem() override { return sounds_; }
    SequenceState& figureSequence() override { return sequence_; }

  private:
    MainWindow& main_;
    SoundSystem& sounds_;
    SequenceState& sequence_;
};
}  // namespace

void installSettingsDialog(MainWindow& main, SoundSystem& sounds, SequenceState& sequence) {
    main.game().chooser().setSequence(&sequence);
    auto target = std::make_shared<WindowSettings>(main, sounds, sequence);
    main.setSettingsDialog([&main, target] {
        frmSettings dialog(&main, *target);
        dialog.exec();
    });
}

}  // namespace tumblix
