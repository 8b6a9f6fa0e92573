// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_writer.h"

#include <string>
#include <string_view>

#include "settings/value_text.h"

namespace tumblix {

namespace {

class LineWriter {
  public:
    explicit LineWriter(std::ostream& out) : out_(out) {}

    void text(std::string_view line) { out_ << line << "\r\n"; }
    void path(const std::string& path) { text(pathLine(path)); }
    void number(std::int64_t value) { text(printNumber(value)); }
    void boolean(bool value) { text(printBoolean(value)); }
    void window(const std::optional<Point>& place) {
        boolean(place.has_value());
        if (!place) return;
        number(place->left);
        number(place->top);
    }

  private:
    std::ostream& out_;
};

}  // namespace

void formatSettings(std::ostream& out, const Settings& s) {
    LineWriter w(out);
    w.number(s.mainWindow.left);
    w.number(s.mainWindow.top);
    w.window(s.frmTumbliFathers);
    w.window(s.frmStatistic);
    w.window(s.frmFuture);
    w.window(s.frmMP3);
    w.boolean(s.EnableSoundControl);
    w.text("tumblix-music...");
    w.path(s.PathToBkgMusic);
    w.boolean(s.EnableLoop);
    w.number(s.BkgVolume);
    w.number(s.freq);
    for (const SoundSettings& sound : s.sounds) {
        w.path(sound.DMCtrlPath);
        w.boolean(sound.DMCtrlEnabled);
        w.number(sound.DMCtrlVolume);
        w.number(sound.DMCtrlFreq);
    }
    w.path(s.MP3Path);
    w.boolean(s.MP3Enable);
    w.boolean(s.MP3Loop);
    w.number(s.SpeedChange);
    w.number(s.iFantom);
    w.boolean(s.bDrawSetka);
}

void writeDefaultSettings(std::ostream& out) {
    formatSettings(out, Settings{});
}

}  // namespace tumblix
