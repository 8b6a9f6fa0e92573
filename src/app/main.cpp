// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLocale>
#include <QThread>
#include <QTime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/command_line.h"
#include "app/display.h"
#include "app/game_folders.h"
#include "app/key_repeat.h"
#include "app/settings_path.h"
#include "app/signal_close.h"
#include "app/start_up.h"
#include "base/language.h"
#include "base/main_module.h"
#include "engine/random.h"
#include "files/write_error_text.h"
#include "gamepad/input_devices.h"
#include "gamepad/sdl_gamepad.h"
#include "sequence/sequence_state.h"
#include "sound/openal_mixer.h"
#include "sound/sound_system.h"
#include "ui/main_window.h"
#include "ui/settings_hook.h"
#include "ui/splash_window.h"

int main(int argc, char** argv) {
    std::string language;
    if (std::optional<int> answered =
            tumblix::answerCommandLine(argc, argv, TUMBLIX_VERSION, language))
        return *answered;
    // The shaped window and the restored window places need X11: on a Wayland desktop that
    // also offers an X display (XWayland), the game runs there.
    if (std::getenv("WAYLAND_DISPLAY") && std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::shared_ptr<void> checked;
    std::string problem = tumblix::checkDisplay(checked);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    QApplication app(argc, argv);
    checked.reset();
    QApplication::setApplicationName("Tumblix");
    QApplication::setApplicationVersion(TUMBLIX_VERSION);
    // Every window and dialog carries the game's own icon, and the desktop finds the menu entry
    // by this name (its windows' class, "Tumblix", is the entry's StartupWMClass).
    QApplication::setDesktopFileName("io.github.tumblix.Tumblix");
    QIcon icon;
    for (const QFileInfo& picture : QDir(":/icon").entryInfoList())
        icon.addFile(picture.filePath());
    QApplication::setWindowIcon(icon);
    QDir::setCurrent(QApplication::applicationDirPath());
    const std::filesystem::path program = QApplication::applicationDirPath().toStdString();
    const tumblix::GameFolders folders =
        tumblix::chooseGameFolders(program, tumblix::folderWritable(program),
                                   std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    // The sound mixer's short period comes with the game's data.
    std::filesystem::path mixerConf = folders.data / "alsoft.conf";
    if (!std::getenv("ALSOFT_CONF") && std::filesystem::exists(mixerConf))
        setenv("ALSOFT_CONF", mixerConf.c_str(), 1);

    tumblix::installLanguage(
        tumblix::chooseLanguage(QLocale::system().uiLanguages(), QString::fromStdString(language)),
        QString::fromStdString((folders.data / "translations").string()));
    tumblix::translateWriteError = [](const char* text) {
        return QCoreApplication::translate("tumblix::WriteError", text).toStdString();
    };

    // Declared in this order so that they go in the reverse one when the game ends.
    std::unique_ptr<tumblix::SplashWindow> splash;
    std::optional<tumblix::SoundSystem> sounds;
    // SDL loads only once a gamepad is plugged in: while the splash shows, or later.
    auto openGamepad = [] { return tumblix::SdlGamepad::open(tumblix::desktopKeyRepeat()); };
    std::unique_ptr<tumblix::SdlGamepad> gamepad;
    std::optional<tumblix::MersenneRandom> random;
    tumblix::SystemClock clock;
    std::optional<tumblix::SequenceState> sequence;
    std::optional<tumblix::MainWindow> frmMain;
    std::optional<tumblix::SignalClose> signalClose;
    QElapsedTimer guard;
    tumblix::startUp({
        .showSplash =
            [&] {
                splash = std::make_unique<tumblix::SplashWindow>(TUMBLIX_VERSION);
                splash->show();
                splash->repaint();
                QApplication::processEvents();
            },
        .createSounds =
            [&] {
                sounds.emplace(std::make_unique<tumblix::OpenAlMixer>(),
                               &tumblix::ReportDirectXFailure);
                if (tumblix::gamepadPresent() || std::getenv("TUMBLIX_VIRTUAL_GAMEPAD"))
                    gamepad = openGamepad();
            },
        .clockSeconds = [] { return QTime::currentTime().second(); },
        .idle =
            [&guard] {
                if (!guard.isValid()) guard.start();
                if (guard.elapsed() >= 1100) return false;
                QApplication::processEvents(QEventLoop::AllEvents, 20);
                QThread::msleep(10);
                return true;
            },
        .removeSplash = [&splash] { splash.reset(); },
        .showMainWindow =
            [&] {
                random.emplace(
                    static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()));
                sequence.emplace(*random, clock, [] { QApplication::beep(); });
                frmMain.emplace(*random, clock, QString::fromStdString(folders.files.string()));
                frmMain->setSounds(&*sounds);
                tumblix::installSettingsDialog(*frmMain, *sounds, *sequence);
                frmMain->setSettingsFile(tumblix::settingsFilePath(folders.files));
                frmMain->setDataFolder(folders.data);
                if (folders.perUser) frmMain->setTableFolder(folders.files.string());
                signalClose.emplace([&frmMain] { frmMain->close(); });
                frmMain->start();
                frmMain->setGamepad(std::move(gamepad), openGamepad);
            },
    });
    return app.exec();
}
