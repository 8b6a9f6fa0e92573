// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_reader.h"

#include <string_view>
#include <utility>
#include <vector>

#include "files/text_codec.h"
#include "settings/value_text.h"

namespace tumblix {

namespace {

// Ends the reading of a damaged file.
struct ReadFailure {};

template <typename T>
T orFail(std::optional<T> value) {
    if (!value) throw ReadFailure{};
    return *value;
}

std::vector<std::string> splitLines(std::istream& in) {
    std::string raw;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        raw.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw ReadFailure{};
    std::string_view rest = raw;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    std::vector<std::string> lines;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(utf8OrCp1251(line));
    }
    return lines;
}

class LineReader {
  public:
    LineReader(std::istream& in, std::string folder)
        : lines_(splitLines(in)), folder_(std::move(folder)) {}

    const std::string& text() {
        if (next_ == lines_.size()) throw ReadFailure{};
        return lines_[next_++];
    }
    bool boolean() { return orFail(readBoolean(text())); }
    template <typename T>
    T rounded() {
        return orFail(tumblix::rounded<T>(readNumber(text())));
    }
    std::int32_t strictPosition() {
        return orFail(tumblix::rounded<std::int32_t>(orFail(readStrictNumber(text()))));
    }
    // "..." (or what is written so) stands for fullDefault.
    std::string path(const std::string& fullDefault) {
        std::string_view line = pathLine(text());
        return line == kDefaultPath ? fullDefault : std::string(line);
    }
    const std::string& folder() const { return folder_; }

    // A side window's visible line, then its place when it is visible.
    std::optional<Point> window(bool strict) {
        if (!boolean()) return std::nullopt;
        if (!strict) return Point{rounded<std::int32_t>(), rounded<std::int32_t>()};
        return Point{strictPosition(), strictPosition()};
    }

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::string folder_;
};

Settings readAll(LineReader& r) {
    Settings s;
    s.mainWindow = {r.rounded<std::int32_t>(), r.rounded<std::int32_t>()};
    s.frmTumbliFathers = r.window(false);
    s.frmStatistic = r.window(true);
    s.frmFuture = r.window(true);
    s.frmMP3 = r.window(true);

    s.EnableSoundControl = r.boolean();
    r.text();  // the marker
    s.PathToBkgMusic = r.path(defaultMusicPath(r.folder()));
    s.EnableLoop = r.boolean();
    s.BkgVolume = r.rounded<std::int16_t>();
    s.freq = r.rounded<std::int32_t>();
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        SoundSettings& sound = s.sounds[i];
        sound.DMCtrlPath = r.path(defaultSoundPath(r.folder(), static_cast<SoundId>(i)));
        sound.DMCtrlEnabled = r.boolean();
        sound.DMCtrlVolume = r.rounded<std::int16_t>();
        sound.DMCtrlFreq = r.rounded<std::int32_t>();
    }
    s.MP3Path = r.path(kDefaultPath);
    s.MP3Enable = r.boolean();
    s.MP3Loop = r.boolean();
    s.SpeedChange = r.rounded<std::int16_t>();
    s.iFantom = r.rounded<std::uint8_t>();
    s.bDrawSetka = r.boolean();
    return s;
}

}  // namespace

std::optional<Settings> parseSettings(std::istream& in, const std::string& programFolder) {
    try {
        LineReader reader(in, programFolder);
        return readAll(reader);
    } catch (const ReadFailure&) {
        return std::nullopt;
    }
}

}  // namespace tumblix
