#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTime>
#include <cstdio>

#include "app/display.h"
#include "app/main_module.h"
#include "app/settings_path.h"
#include "app/signal_close.h"
#include "engine/random.h"
#include "sequence/sequence_state.h"
#include "settings_dialog/settings_dialog.h"
#include "sound/openal_mixer.h"
#include "sound/sound_system.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"

namespace {
// Keeps the splash window up until the last digit of the clock's seconds changes.
void waitForNextSecond() {
    int digit = QTime::currentTime().second() % 10;
    QElapsedTimer guard;
    guard.start();
    while (QTime::currentTime().second() % 10 == digit && guard.elapsed() < 1100) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}
}  // namespace

int main(int argc, char** argv) {
    std::string problem = tumblix::checkDisplay();
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tumblix");
    QApplication::setApplicationVersion(TUMBLIX_VERSION);
    QDir::setCurrent(QApplication::applicationDirPath());

    auto splash = std::make_unique<tumblix::SplashWindow>(TUMBLIX_VERSION);
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    tumblix::SoundSystem sounds(std::make_unique<tumblix::OpenAlMixer>(),
                                &tumblix::ReportDirectXFailure);
    waitForNextSecond();
    splash.reset();

    tumblix::MersenneRandom random(
        static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()));
    tumblix::SystemClock clock;
    tumblix::SequenceState sequence(random, clock, [] { QApplication::beep(); });
    tumblix::MainWindow frmMain(random, clock);
    frmMain.setSounds(&sounds);
    tumblix::installSettingsDialog(frmMain, sounds, sequence);
    frmMain.setSettingsFile(
        tumblix::settingsFilePath(QApplication::applicationDirPath().toStdString()));
    tumblix::SignalClose signalClose([&frmMain] { frmMain.close(); });
    frmMain.start();
    return app.exec();
}
