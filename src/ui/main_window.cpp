#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "records/enter_name_dialog.h"
#include "records/future_window.h"
#include "records/game_over_dialog.h"
#include "records/list_window.h"
#include "ui/frame_box.h"
#include "ui/key_codes.h"
#include "ui/main_layout.h"
#include "ui/qt_color.h"
#include "ui/title_strip.h"
#include "ui/twips.h"
#include "ui/window_shape.h"

namespace tumblix {

namespace {
// The board and the preview are drawn in these user units.
constexpr double kBoardUnitsX = 3760, kBoardUnitsY = 7760;
constexpr double kNextUnits = 1060;

Ctl ctlByName(const QString& name) {
    for (int i = 0; i < static_cast<int>(Ctl::Count); ++i) {
        Ctl c = static_cast<Ctl>(i);
        if (name == QString::fromUtf8(ctlName(c).data(), static_cast<int>(ctlName(c).size())))
            return c;
    }
    return Ctl::Count;
}
}  // namespace

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
    timer(Timer::tmrDown).setTimerType(Qt::PreciseTimer);
    wireControls();
    buildSideWindows();
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

void MainWindow::buildControls() {
    Twips tw = Twips::of(*this);
    for (const ControlSpec& spec : mainWindowControls()) {
        QWidget* parent = spec.parent ? controls_.value(spec.parent) : client_;
        QString caption = QString::fromUtf8(spec.caption);
        QWidget* w = nullptr;
        switch (spec.kind) {
            case ControlKind::Frame:
                w = new FrameBox(parent, caption);
                break;
            case ControlKind::Picture: {
                bool board = QString(spec.name) == "picTumblix";
                auto* pic = board ? new PictureBox(parent, kBoardUnitsX, kBoardUnitsY)
                                  : new PictureBox(parent, kNextUnits, kNextUnits);
                (board ? picTumblix_ : picNext_) = pic;
                w = pic;
                break;
            }
            case ControlKind::Label:
            case ControlKind::Bar: {
                auto* label =
                    new QLabel(spec.kind == ControlKind::Bar ? QString() : caption, parent);
                label->setAutoFillBackground(true);
                label->setWordWrap(QString(spec.name) == "lblFirma" ||
                                   QString(spec.name) == "lblAutors");
                w = label;
                break;
            }
            case ControlKind::Button:
            case ControlKind::CheckButton: {
                auto* button = new QPushButton(caption, parent);
                button->setCheckable(spec.kind == ControlKind::CheckButton);
                w = button;
                break;
            }
        }
        w->setObjectName(spec.name);
        w->setProperty("tag", QString::fromUtf8(spec.tag));
        w->setFocusPolicy(Qt::NoFocus);
        w->setGeometry(tw.rect(spec.left, spec.top, spec.width, spec.height));
        controls_.insert(spec.name, w);
    }
    for (const char* grey : {"fraTumblix", "fraLeft", "fraScore", "fraLines"}) {
        QPalette p = controls_[grey]->palette();
        p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
        controls_[grey]->setPalette(p);
    }
    for (const char* dark : {"fraBottom", "fraBottomRight", "fraControl", "frmMenu"}) {
        QPalette p = controls_[dark]->palette();
        p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        controls_[dark]->setPalette(p);
    }
    for (const char* bar : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        QPalette p = controls_[bar]->palette();
        p.setColor(QPalette::Window, Qt::black);
        controls_[bar]->setPalette(p);
    }
    // The pause label lies under the control buttons' frame.
    controls_["lblPause"]->lower();
    QFont big = controls_["lblScore"]->font();
    big.setPointSize(14);
    big.setBold(true);
    controls_["lblScore"]->setFont(big);
    QFont pauseFont = big;
    pauseFont.setPointSize(18);
    controls_["lblPause"]->setFont(pauseFont);
    static_cast<QLabel*>(controls_["lblPause"])->setAlignment(Qt::AlignCenter);
    picTumblix_->setFocusPolicy(Qt::StrongFocus);
}

void MainWindow::wireControls() {
    auto button = [this](const char* name) { return static_cast<QPushButton*>(controls_[name]); };
    for (int index : {0, 2}) {
        QPushButton* b = button(index == 0 ? "cmdLeftRight(0)" : "cmdLeftRight(2)");
        connect(b, &QPushButton::pressed, this,
                [this, index] { buttons_->cmdLeftRight_MouseDown(index); });
        connect(b, &QPushButton::released, this, [this] { buttons_->cmdLeftRight_MouseUp(); });
    }
    connect(button("cmdRotate(0)"), &QPushButton::pressed, this,
            [this] { buttons_->cmdRotate_MouseDown(0); });
    connect(button("cmdRotate(0)"), &QPushButton::released, this,
            [this] { buttons_->cmdRotate_MouseUp(); });
    connect(button("cmdDown"), &QPushButton::pressed, this,
            [this] { buttons_->cmdDown_MouseDown(); });
    connect(button("cmdDown"), &QPushButton::released, this,
            [this] { buttons_->cmdDown_MouseUp(); });
    connect(button("cmdSpace"), &QPushButton::pressed, this,
            [this] { buttons_->cmdSpace_MouseDown(); });
    connect(button("cmdSpace"), &QPushButton::released, this,
            [this] { buttons_->cmdSpace_MouseUp(); });
    for (const char* name : {"chkPause", "chkHelp", "chkDemo", "chkSet", "chkExit", "chkAuto",
                             "chkFuture", "chkRec", "chkStat", "chkMP3"}) {
        Ctl c = ctlByName(name);
        connect(button(name), &QPushButton::clicked, this,
                [this, c](bool checked) { menu_->setValue(c, checked ? 1 : 0); });
    }
    connect(picTumblix_, &PictureBox::mouseDown, this,
            [this](int b, double, double) { buttons_->picTumblix_MouseDown(b); });
    connect(picTumblix_, &PictureBox::mouseUp, this,
            [this](int b, double, double) { buttons_->picTumblix_MouseUp(b); });
    connect(picTumblix_, &PictureBox::mouseMove, this,
            [this](int, double x, double) { buttons_->picTumblix_MouseMove(x); });

    connect(&timer(Timer::tmrDown), &QTimer::timeout, this, [this] { game_->tmrDown_Timer(); });
    connect(&timer(Timer::tmrMigCountLines), &QTimer::timeout, this,
            [this] { game_->tmrMigCountLines_Timer(); });
    connect(&timer(Timer::tmrLevel), &QTimer::timeout, this, [this] { game_->tmrLevel_Timer(); });
    connect(&timer(Timer::tmrDemo), &QTimer::timeout, this, [this] { menu_->tmrDemo_Timer(); });
    connect(&timer(Timer::tmrMigMenuControls), &QTimer::timeout, this,
            [this] { menu_->tmrMigMenuControls_Timer(); });
}

void MainWindow::start() {
    game_->Form_Load();
}

QSize MainWindow::designSize() const {
    Twips tw = Twips::of(*this);
    return QSize(tw.x(kMainWidthTwips), tw.y(kMainHeightTwips));
}

void MainWindow::initOnce() {
    if (initialized_) return;
    initialized_ = true;
    RebuildWindowRgn();
    setWindowTitle("Tumblix");
}

WindowMetrics MainWindow::windowMetrics() const {
    WindowMetrics m;
    // The caption's height from the style; the smallest window is a caption with its borders.
    m.captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    m.minHeight = m.captionHeight + 8;
    m.minWidth = m.captionHeight > 20 ? 123 : 112;
    return m;
}

void MainWindow::RebuildWindowRgn() {
    RebuildWindowRgn(windowMetrics());
}

void MainWindow::placeClient(const WindowMetrics& m) {
    ShapeOffsets o = shapeOffsets(m);
    Twips tw = Twips::of(*this);
    titleStrip_->setGeometry(0, 0, designSize().width(), o.top);
    client_->setGeometry(o.left, o.top, tw.x(kMainClientWidthTwips), tw.y(kMainClientHeightTwips));
}

void MainWindow::RebuildWindowRgn(const WindowMetrics& m) {
    if (shapeBuilt_) return;
    shapeBuilt_ = true;
    placeClient(m);
    std::vector<ShapePiece> pieces;
    for (QWidget* w : client_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!w->property("tag").toString().isEmpty()) continue;
        pieces.push_back({w->objectName(), qobject_cast<QLabel*>(w) != nullptr, w->geometry()});
    }
    setMask(windowShape(m, designSize().width(), pieces));
    update();
}

std::vector<QWidget*> MainWindow::sideWindows() const {
    return {tumbliFathers_.get(), statistic_.get(), future_.get()};
}

void MainWindow::buildSideWindows() {
    struct Side {
        ToolWindow* window;
        Ctl button;
    };
    for (Side side : {Side{tumbliFathers_.get(), Ctl::chkRec}, Side{statistic_.get(), Ctl::chkStat},
                      Side{future_.get(), Ctl::chkFuture}}) {
        side.window->setFocusReturn([this] {
            if (!isVisible() || isMinimized()) return;
            activateWindow();
            focusBoard();
        });
        Ctl button = side.button;
        side.window->setUserClosed([this, button] { menu_->setValue(button, 0); });
        ToolWindow* window = side.window;
        menu_->setHandler(button, [this, window](int value) {
            window->setVisible(value == 1);
            if (isVisible()) focusBoard();
        });
    }
}

// Until the settings keep their places, the side windows start in a column at the main
// window's right: coming figures at the top, then the statistics, then the best players.
void MainWindow::placeSideWindowsAtStart() {
    if (sideWindowsPlaced_) return;
    sideWindowsPlaced_ = true;
    Twips tw = Twips::of(*this);
    move(tw.x(555), tw.y(405));
    const std::pair<QWidget*, int> column[] = {
        {tumbliFathers_.get(), 6505}, {statistic_.get(), 1905}, {future_.get(), 405}};
    for (auto [window, top] : column) {
        window->move(tw.x(7310), tw.y(top));
        window->show();
    }
}

QListWidget* MainWindow::listWidget(List l) const {
    return l == List::lstTable ? &tumbliFathers_->list() : &statistic_->list();
}

void MainWindow::listCleared(List l) {
    listWidget(l)->clear();
}

void MainWindow::listLineAdded(List l, const std::string& line) {
    listWidget(l)->addItem(QString::fromStdString(line));
}

void MainWindow::listSelected(List l, int index) {
    QListWidget* list = listWidget(l);
    list->setCurrentRow(index);
    if (QListWidgetItem* item = list->item(index)) list->scrollToItem(item);
}

std::optional<std::string> MainWindow::askPlayerName() {
    EnterNameDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.PlayerName.toStdString();
}

std::string MainWindow::todayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
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

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The window has one size: any other is undone at once.
    if (!isMinimized() && !isMaximized() && size() != designSize()) resize(designSize());
}

void MainWindow::syncMenuButtons() {
    Panel& p = game_->panel();
    p.setValue(Ctl::chkRec, tumbliFathers_->isVisible() ? 1 : 0);
    p.setValue(Ctl::chkStat, statistic_->isVisible() ? 1 : 0);
    p.setValue(Ctl::chkFuture, future_->isVisible() ? 1 : 0);
}

void MainWindow::showMainWindow() {
    show();
    if (!sideWindowsPlaced_) {
        placeSideWindowsAtStart();
        syncMenuButtons();
        activateWindow();
        focusBoard();
    }
}

bool MainWindow::askNewGame() {
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

void MainWindow::controlChanged(Ctl c) {
    applyControl(c);
}

void MainWindow::applyControl(Ctl c) {
    const ControlState& s = game_->panel()[c];
    if (c == Ctl::frmMain) {
        QPalette p = palette();
        p.setColor(QPalette::Window, toQColor(s.backColor));
        setPalette(p);
        return;
    }
    if (c == Ctl::lstTable || c == Ctl::lstStatistic) {
        QListWidget* list = listWidget(c == Ctl::lstTable ? List::lstTable : List::lstStatistic);
        QPalette p = list->palette();
        p.setColor(QPalette::Base, toQColor(s.backColor));
        p.setColor(QPalette::Text, toQColor(s.foreColor));
        list->setPalette(p);
        return;
    }
    QWidget* w =
        controls_.value(QString::fromUtf8(ctlName(c).data(), static_cast<int>(ctlName(c).size())));
    if (!w) return;
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(QString::fromStdString(s.text));
        QColor back = toQColor(s.backColor), text = toQColor(s.foreColor);
        // The control buttons take a random colour each game; their arrows stay readable on it.
        if (!button->isCheckable() && back.lightness() < 110 && text.lightness() < 110) text = Qt::white;
        button->setStyleSheet(
            QString("QPushButton { background-color: %1; color: %2; border: 1px solid #404040; }")
                .arg(back.name(), text.name()));
        if (button->isCheckable() && button->isChecked() != (s.value == 1)) {
            QSignalBlocker block(button);
            button->setChecked(s.value == 1);
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text() != QString::fromStdString(s.text))
            label->setText(QString::fromStdString(s.text));
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, toQColor(s.foreColor));
        p.setColor(QPalette::Window, toQColor(s.backColor));
        if (p != label->palette()) label->setPalette(p);
    } else if (auto* frame = qobject_cast<FrameBox*>(w)) {
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, toQColor(s.backColor));
        if (p != frame->palette()) frame->setPalette(p);
    } else if (auto* pic = qobject_cast<PictureBox*>(w)) {
        pic->setBackColor(s.backColor);
    }
    if (w->isVisibleTo(w->parentWidget()) != s.visible) w->setVisible(s.visible);
    if (w->isEnabled() != s.enabled) w->setEnabled(s.enabled);
}

void MainWindow::timerChanged(Timer t) {
    const TimerState& s = game_->panel().timer(t);
    QTimer& qt = timer(t);
    if (qt.interval() != s.interval) qt.setInterval(s.interval);
    if (s.enabled && !qt.isActive())
        qt.start();
    else if (!s.enabled && qt.isActive())
        qt.stop();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_) return event->accept();
    closing_ = true;
    for (QTimer* t : timers_) t->stop();
    tumbliFathers_->closeForGood();
    statistic_->closeForGood();
    future_->closeForGood();
    event->accept();
    QApplication::quit();
}

}  // namespace tumblix
