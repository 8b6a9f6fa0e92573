// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QListWidget>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "control/control_buttons.h"
#include "control/keyboard.h"
#include "control/menu.h"
#include "engine/game.h"
#include "engine/tick_driver.h"
#include "records/best_players.h"
#include "settings/docking.h"
#include "settings/settings.h"
#include "ui/window_shape.h"
#include "widgets/picture_box.h"

namespace tumblix {

class FutureWindow;
class InputDeviceWatch;
class SdlGamepad;
class Mp3Window;
class SoundSystem;
class ListWindow;
class ToolWindow;

// The main window: the board, the score panel, the control buttons and the menu. It turns
// Qt's events into calls of the game and the controls, and shows what the game's panel holds.
class MainWindow : public QWidget,
                   public GameHost,
                   public GameShell,
                   public PanelObserver,
                   public NameAsker {
    Q_OBJECT
  public:
    // folder: where the game keeps its files; the program's own folder when empty.
    MainWindow(Random& random, const Clock& clock, const QString& folder = QString());
    ~MainWindow() override;

    Game& game() { return *game_; }
    Menu& menu() { return *menu_; }
    ControlButtons& buttons() { return *buttons_; }
    PictureBox& board() { return *picTumblix_; }
    FutureWindow& future() { return *future_; }
    ListWindow& tumbliFathers() { return *tumbliFathers_; }
    ListWindow& statistic() { return *statistic_; }
    Mp3Window& mp3() { return *mp3_; }
    BestPlayers& bestPlayers() { return *best_; }
    QWidget* control(const QString& name) const { return controls_.value(name); }
    // The four side windows, in the order best players, statistics, coming figures, MP3.
    std::vector<QWidget*> sideWindows() const;
    QTimer& timer(Timer t) { return *timers_[static_cast<std::size_t>(t)]; }
    // The gravity ticks: tmrDown's timer wakes it once per display frame, and every input
    // first brings the game up to the present through it.
    TickDriver& gravity() { return gravity_; }

    // The sounds the game plays; none in a silent window.
    void setSounds(SoundSystem* sounds) { sounds_ = sounds; }
    SoundSystem* sounds() const { return sounds_; }

    // A gamepad plays through the keyboard's key handlers; none when null. With open, a
    // gamepad plugged in later is opened then (SDL loads only once there is one).
    using GamepadOpener = std::function<std::unique_ptr<SdlGamepad>()>;
    void setGamepad(std::unique_ptr<SdlGamepad> pad, GamepadOpener open = {});
    // Reads the gamepad and plays what it holds as keys. The gravity's wake reads it while a
    // figure moves, a slow timer while nothing moves; a modal window keeps it from the game.
    void pollGamepad();

    // Prepares a game and shows the window.
    void start();

    // The settings file read while the window loads and written when it closes; none when
    // empty.
    void setSettingsFile(std::filesystem::path file) { settingsFile_ = std::move(file); }
    // Where the default sound files lie; the settings file's folder when not set.
    void setDataFolder(std::filesystem::path folder) { dataFolder_ = std::move(folder); }
    // The best-players table lies in a folder of the player's own, not beside the program:
    // the help names it.
    void setTableFolder(std::string folder) { tableFolder_ = std::move(folder); }
    Settings& settings() { return settings_; }
    void LoadSettings();
    void SaveSettings();
    void chkAuto_Click();
    // Shows the settings dialog modally ("Set").
    void setSettingsDialog(std::function<void()> show) { showSettings_ = std::move(show); }
    // The close request; it never refuses, and only the first one acts.
    void Form_QueryUnload();

    // Builds the window's outline from its frames and bars; only the first call acts.
    void RebuildWindowRgn();
    void RebuildWindowRgn(const struct WindowMetrics& metrics);
    // The system sizes the shape is built from, as this window's style gives them.
    WindowMetrics windowMetrics() const;

    // GameHost
    void playSound(Sound s) override;
    void sweepMusicBalance() override;
    void closeGameWindows() override;
    bool askNewGame() override;
    void closeMainWindow() override;
    void focusBoard() override;
    void minimizeMainWindow() override;
    void restoreMainWindow() override;
    void showAbout() override;

    // GameShell
    void initOnce() override;
    void syncMenuButtons() override;
    void showMainWindow() override;

    // PanelObserver
    void controlChanged(Ctl c) override;
    void timerChanged(Timer t) override;
    void listCleared(List l) override;
    void listLineAdded(List l, const std::string& line) override;
    void listSelected(List l, int index) override;

    // NameAsker
    std::optional<std::string> askPlayerName() override;
    std::string todayShortDate() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildControls();
    void buildSideWindows();
    // The four side windows in their order (best players, statistics, coming figures, MP3):
    // each one's menu button and its place in the settings.
    struct SideWindowSpec {
        SideWindow window;
        Ctl button;
        std::optional<Point> Settings::*place;
    };
    static constexpr SideWindowSpec kSideWindows[] = {
        {SideWindow::frmTumbliFathers, Ctl::chkRec, &Settings::frmTumbliFathers},
        {SideWindow::frmStatistic, Ctl::chkStat, &Settings::frmStatistic},
        {SideWindow::frmFuture, Ctl::chkFuture, &Settings::frmFuture},
        {SideWindow::frmMP3, Ctl::chkMP3, &Settings::frmMP3}};
    ToolWindow* sideWindow(SideWindow w) const;
    void moveInTwips(QWidget* w, Point place);
    Point twipsOf(QWidget* w) const;
    QListWidget* listWidget(List l) const;
    void Form_Resize();
    void placeClient(const WindowMetrics& metrics);
    QSize designSize() const;
    void wireControls();
    void buildMenuCommands();
    void menuMouseMove(QObject* watched);
    void runHelpTour();
    void applyControl(Ctl c);
    // The gravity ticks run in batches, at most one wake per display frame.
    static constexpr int kFrameMs = 16;
    static constexpr int kSweepMs = 23;
    // Runs the ticks due before an input or a timer acts; what it does may need the next frame.
    void catchUpGravity();
    // After a batch: the next wake.
    void paceGravity();
    // The next wake of the gravity given ms: with a gamepad at least every second display
    // frame, and at the next repeat of a held arrow.
    int gamepadWakeMs(int ms) const;
    static constexpr int kPadReadMs = 2 * kFrameMs;
    // Starts the slow read of the gamepad while nothing moves and one is plugged in, or the
    // input devices changed in the last seconds (a gamepad on its way).
    void paceGamepad();
    void inputDevicesChanged();
    static constexpr int kPadIdleMs = 100;
    static constexpr int kDeviceSettleMs = 3000;

    std::unique_ptr<FutureWindow> future_;
    std::unique_ptr<ListWindow> tumbliFathers_;
    std::unique_ptr<ListWindow> statistic_;
    std::unique_ptr<Mp3Window> mp3_;
    std::unique_ptr<BestPlayers> best_;
    Settings settings_;
    std::filesystem::path settingsFile_;
    bool settingsUnreadable_ = false;
    std::filesystem::path dataFolder_;
    std::string tableFolder_;
    // Where each window was put, in pixels and in the twips it came from.
    std::map<QWidget*, std::pair<QPoint, Point>> placed_;
    QWidget* titleStrip_ = nullptr;
    QWidget* client_ = nullptr;
    bool shapeBuilt_ = false;
    QHash<QString, QWidget*> controls_;
    // The widget of each control the game's panel holds (null for those of other windows).
    std::array<QWidget*, static_cast<std::size_t>(Ctl::Count)> byCtl_{};
    PictureBox* picTumblix_ = nullptr;
    PictureBox* picNext_ = nullptr;
    std::unique_ptr<Game> game_;
    std::unique_ptr<ControlButtons> buttons_;
    std::unique_ptr<Menu> menu_;
    std::unique_ptr<Keyboard> keyboard_;
    std::array<QTimer*, static_cast<std::size_t>(Timer::Count)> timers_{};
    SystemSteadyClock steadyClock_;
    TickDriver gravity_{steadyClock_, [this] { game_->tmrDown_Timer(); }};
    std::unique_ptr<SdlGamepad> gamepad_;
    GamepadOpener openGamepad_;
    std::unique_ptr<InputDeviceWatch> deviceWatch_;
    std::int64_t devicesChangedAt_ = -kDeviceSettleMs;
    QTimer* padIdle_ = nullptr;  // "tmrGamepad": the slow read while nothing moves
    bool polling_ = false;
    bool initialized_ = false;
    bool closing_ = false;
    std::function<void()> showSettings_;
    SoundSystem* sounds_ = nullptr;
};

}  // namespace tumblix
