// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <algorithm>

#include "chooser/file_chooser.h"
#include "chooser/file_names.h"
#include "gamepad/input_devices.h"
#include "gamepad/sdl_gamepad.h"
#include "mp3/mp3_play.h"
#include "mp3/mp3_window.h"
#include "records/future_window.h"
#include "records/game_over_dialog.h"
#include "records/list_window.h"
#include "sound/sound_system.h"
#include "ui/key_codes.h"
#include "widgets/title_strip.h"

namespace tumblix {

MainWindow::MainWindow(Random& random, const Clock& clock, const QString& folder)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint) {
    setObjectName("frmMain");
    setWindowTitle("Tumblix");
    setAutoFillBackground(true);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    future_ = std::make_unique<FutureWindow>(this);
    tumbliFathers_ = std::make_unique<ListWindow>(this, "frmTumbliFathers",
                                                  "The Best Of The Tumblix", "lstTable");
    statistic_ = std::make_unique<ListWindow>(this, "frmStatistic", "Statistic", "lstStatistic");
    mp3_ = std::make_unique<Mp3Window>(this, settings_, std::make_unique<MP3Play>());
    mp3_->setChooseFile([this](const std::string& pattern) -> std::optional<std::string> {
        QString picked = frmOpen::choose(mp3_.get(), QString::fromStdString(pattern));
        if (picked.isEmpty()) return std::nullopt;
        return picked.toStdString();
    });
    mp3_->setGetFileName([](const std::string& path) {
        return GetFileName(QString::fromStdString(path)).toStdString();
    });
    titleStrip_ = new TitleStrip(this);
    client_ = new QWidget(this);
    client_->setObjectName("clientArea");
    buildControls();
    game_ = std::make_unique<Game>(random, clock, *this,
                                   Canvases{*picTumblix_, *picNext_, future_->picture()});
    game_->setShell(this);
    best_ = std::make_unique<BestPlayers>(
        *game_, *this,
        QDir(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)
            .filePath("TumblixFathers.txt")
            .toStdString());
    game_->setRecords(best_.get());
    buttons_ = std::make_unique<ControlButtons>(*game_);
    menu_ = std::make_unique<Menu>(*game_, *buttons_);
    keyboard_ = std::make_unique<Keyboard>(*game_, *buttons_, *menu_);
    for (int i = 0; i < static_cast<int>(Timer::Count); ++i) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromUtf8(timerName(static_cast<Timer>(i)).data()));
        timers_[static_cast<std::size_t>(i)] = t;
    }
    timer(Timer::tmrDown).setTimerType(Qt::CoarseTimer);
    padIdle_ = new QTimer(this);
    padIdle_->setObjectName("tmrGamepad");
    padIdle_->setTimerType(Qt::CoarseTimer);
    connect(padIdle_, &QTimer::timeout, this, &MainWindow::pollGamepad);
    wireControls();
    buildSideWindows();
    buildMenuCommands();
    game_->panel().setObserver(this);
    for (int i = 0; i < static_cast<int>(Ctl::Count); ++i) applyControl(static_cast<Ctl>(i));
    for (int i = 0; i < static_cast<int>(Timer::Count); ++i) timerChanged(static_cast<Timer>(i));
    setFixedSize(designSize());
    placeClient(windowMetrics());
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    if (game_) game_->panel().setObserver(nullptr);
}

void MainWindow::start() {
    game_->Form_Load();
}

void MainWindow::initOnce() {
    if (initialized_) return;
    initialized_ = true;
    RebuildWindowRgn();
    LoadSettings();
    setWindowTitle("Tumblix");
}

void MainWindow::playSound(Sound s) {
    if (sounds_) sounds_->play(s);
}

void MainWindow::sweepMusicBalance() {
    if (sounds_) sounds_->sweepBalance();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

// Every change of size, a dragged border or a window manager's own, is undone at once.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MainWindow::Form_Resize() {
    bool minimized = isMinimized();
    if (minimized && menu_->value(Ctl::chkPause) != 1) menu_->setValue(Ctl::chkPause, 1);
    for (QWidget* w : sideWindows()) {
        if (!w->isVisible()) continue;
        if (minimized)
            w->showMinimized();
        else if (isMaximized())
            w->showMaximized();
        else
            w->showNormal();
    }
    if (!minimized && !isMaximized() && size() != designSize()) resize(designSize());
}

// Form_Paint: the window's own repaint redraws the next figure, nothing else.
void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (game_) game_->DrawNextFigure();
}

void MainWindow::showMainWindow() {
    bool first = !isVisible();
    show();
    if (first) {
        syncMenuButtons();
        activateWindow();
        focusBoard();
    }
}

bool MainWindow::askNewGame() {
    if (closing_) return false;  // the program is ending: no question, no new game
    GameOverDialog dialog(this);
    dialog.exec();
    return dialog.blnContinue;
}

void MainWindow::closeMainWindow() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::focusBoard() {
    picTumblix_->setFocus();
}

void MainWindow::minimizeMainWindow() {
    showMinimized();
}

void MainWindow::restoreMainWindow() {
    if (isMinimized()) showNormal();
}

namespace {
bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}
}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isInput(event->type())) catchUpGravity();
    // The coming figures fill the room a window manager's frame leaves them.
    if (event->type() == QEvent::Resize && watched == &future_->picture()) game_->DrawFuture();
    if (event->type() == QEvent::MouseMove) {
        menuMouseMove(watched);
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    // The window sees every key first, whichever of its controls holds the focus.
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return false;
    std::vector<QWidget*> sides = sideWindows();
    bool ours =
        w->window() == this || std::find(sides.begin(), sides.end(), w->window()) != sides.end();
    if (!ours) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = virtualKeyCode(key->key());
    if (event->type() == QEvent::KeyPress)
        keyboard_->Form_KeyDown(code);
    else if (!key->isAutoRepeat())
        keyboard_->Form_KeyUp(code);
    return true;
}

void MainWindow::catchUpGravity() {
    gravity_.catchUp();
    QTimer& frame = timer(Timer::tmrDown);
    if (frame.isActive() && frame.remainingTime() > kFrameMs) frame.start(kFrameMs);
}

// The next wake comes with the tick that next changes what the windows show: the next display
// frame while that happens on every tick. A sweeping music balance needs no more than one wake
// in two mixing periods (23 ms): the mixer takes up a change only once a period.
void MainWindow::paceGravity() {
    QTimer& frame = timer(Timer::tmrDown);
    if (!gravity_.running() || !frame.isActive()) return;
    std::int64_t us = gravity_.untilNext() + (game_->ticksUntilShown() - 1) * gravity_.period();
    int ms = std::max<int>(kFrameMs, static_cast<int>((us + 999) / 1000));
    if (sounds_ && sounds_->musicSweeping()) ms = std::min(ms, kSweepMs);
    frame.start(gamepadWakeMs(ms));
}

void MainWindow::Form_QueryUnload() {
    if (closing_) return;
    closing_ = true;
    for (QTimer* t : timers_) t->stop();
    padIdle_->stop();
    gravity_.halt();
    SaveSettings();
    for (const SideWindowSpec& side : kSideWindows) sideWindow(side.window)->closeForGood();
    if (sounds_) sounds_->release();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    QApplication::quit();
}

}  // namespace tumblix
