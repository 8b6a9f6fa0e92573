// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "mp3/mp3_player.h"
#include "settings/settings.h"
#include "widgets/tool_window.h"

namespace tumblix {

// The side window "*.mp3 & *.wma Player": plays one music file of the player's choice over the
// game's sounds, shows its name and running time, and repeats it when "Loop" is on. It keeps
// MP3Path and MP3Loop in the main window's settings. The user's close stops the music and
// forgets the file; the program's close only stops it.
class Mp3Window : public ToolWindow {
    Q_OBJECT
  public:
    // The file chooser: the file picked under a pattern such as "*.mp3", or nothing.
    using ChooseFile = std::function<std::optional<std::string>(const std::string& pattern)>;
    using FileNameOf = std::function<std::string(const std::string& path)>;

    Mp3Window(QWidget* mainWindow, Settings& settings, std::unique_ptr<Mp3Player> player);
    ~Mp3Window() override;

    // "Select" asks this chooser; without one nothing is chosen.
    void setChooseFile(ChooseFile choose) { chooseFile_ = std::move(choose); }
    // A file's name as shown, before shortening; without one, the whole path.
    void setGetFileName(FileNameOf name) { getFileName_ = std::move(name); }
    Mp3Player& MP3Play1() { return *player_; }
    QTimer& tmrIsPlaying() { return *tmrIsPlaying_; }

    // Starts the settings' file at start-up.
    void InitMusic();
    void cmdOpen_Click();
    void lblLoop_Click();
    void tmrIsPlaying_Timer();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QLabel* addLabel(const char* name, const char* text, QRgb back, QRgb fore,
                     const QString& toolTip, QRect place);
    void play();
    void played(std::uint64_t asked, const std::string& result);
    void stop();
    void showName(const std::string& path);

    Settings& settings_;
    std::unique_ptr<Mp3Player> player_;
    ChooseFile chooseFile_;
    FileNameOf getFileName_;
    std::string CurrentFile;
    std::uint64_t plays_ = 0;  // counts the plays and stops asked for, so a late answer is known
    QTimer* tmrIsPlaying_;
    QLabel* lblName_;
    QLabel* lblTime_;
    QLabel* cmdOpen_;
    QLabel* lblLoop_;
    bool doubleClicked_ = false;
};

}  // namespace tumblix
