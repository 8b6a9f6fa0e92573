// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3/mp3_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <utility>

#include "base/main_module.h"
#include "widgets/twips.h"

namespace tumblix {

namespace {

constexpr int kNameLength = 30;
constexpr QRgb kBlack = 0x000000, kYellow = 0xFFFF00, kRed = 0xFF0000, kGrey = 0x808080,
               kWhite = 0xFFFFFF;

bool noFile(const std::string& path) {
    return path.empty() || path == kDefaultPath;
}

}  // namespace

Mp3Window::Mp3Window(QWidget* mainWindow, Settings& settings, std::unique_ptr<Mp3Player> player)
    : ToolWindow(mainWindow, "frmMP3", "*.mp3 & *.wma Player"),
      settings_(settings),
      player_(std::move(player)) {
    setAutoFillBackground(true);
    Twips tw = Twips::of(*this);
    lblName_ = addLabel("lblName", "Empty", kBlack, kYellow, tr("Название композиции"),
                        tw.rect(0, 0, 3015, 255));
    lblTime_ = addLabel("lblTime", "Time ", kBlack, kRed, tr("Время проигрывания"),
                        tw.rect(0, 240, 3015, 255));
    cmdOpen_ = addLabel("cmdOpen", "Select", kGrey, kWhite, tr("Выбрать файл для воспроизведения"),
                        tw.rect(120, 480, 1215, 255));
    lblLoop_ = addLabel("lblLoop", "No Loop", kGrey, kWhite, tr("Повторять сначала"),
                        tw.rect(1680, 480, 1215, 255));
    setFixedSize(tw.x(3015), tw.y(810));
    tmrIsPlaying_ = new QTimer(this);
    tmrIsPlaying_->setObjectName("tmrIsPlaying");
    connect(tmrIsPlaying_, &QTimer::timeout, this, &Mp3Window::tmrIsPlaying_Timer);
    tmrIsPlaying_->start(1000);
}

Mp3Window::~Mp3Window() = default;

QLabel* Mp3Window::addLabel(const char* name, const char* text, QRgb back, QRgb fore,
                            const QString& toolTip, QRect place) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    QFont tahoma("Tahoma");
    tahoma.setStyleHint(QFont::SansSerif);
    tahoma.setPointSize(8);
    label->setFont(tahoma);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(back));
    p.setColor(QPalette::WindowText, QColor(fore));
    label->setPalette(p);
    label->setGeometry(place);
    adopt(label);
    return label;
}

void Mp3Window::showName(const std::string& path) {
    std::string name = getFileName_ ? getFileName_(path) : path;
    lblName_->setText(QString::fromStdString(ShortenPath(name, kNameLength)));
}

// The player opens the file away from the window, which goes on at once; its answer comes
// back to the window's thread.
void Mp3Window::play() {
    std::uint64_t asked = ++plays_;
    player_->mmPlayAway([this, asked](const std::string& result) {
        QMetaObject::invokeMethod(
            this, [this, asked, result] { played(asked, result); }, Qt::QueuedConnection);
    });
}

// An unexpected fault inside the player forgets the file, unless another was asked for since.
void Mp3Window::played(std::uint64_t asked, const std::string& result) {
    if (asked != plays_ || !result.empty()) return;
    settings_.MP3Path.clear();
    player_->FileName("");
}

void Mp3Window::stop() {
    ++plays_;
    player_->mmStop();
}

void Mp3Window::InitMusic() {
    if (!noFile(settings_.MP3Path)) {
        player_->FileName(settings_.MP3Path);
        play();
        showName(settings_.MP3Path);
        lblLoop_->setText(settings_.MP3Loop ? "Loop" : "No loop");
    } else {
        lblName_->setText("Empty");
    }
    lblTime_->clear();
}

// The same file chosen again goes on playing.
void Mp3Window::cmdOpen_Click() {
    std::string chosen = chooseFile_ ? chooseFile_("*.wma;*.mp3;*.mp2").value_or("") : "";
    if (!chosen.empty() && chosen != CurrentFile) {
        CurrentFile = chosen;
        stop();
        player_->FileName(CurrentFile);
        play();
        tmrIsPlaying_->start();
        showName(player_->FileName());
        settings_.MP3Path = player_->FileName();
    }
    handBack();
}

void Mp3Window::lblLoop_Click() {
    settings_.MP3Loop = !settings_.MP3Loop;
    lblLoop_->setText(settings_.MP3Loop ? "Loop" : "No loop");
    handBack();
}

void Mp3Window::tmrIsPlaying_Timer() {
    if (player_->IsPlaying()) {
        lblTime_->setText(QString::fromStdString("Time " + player_->Position()));
    } else if (settings_.MP3Loop) {
        player_->SeekTo(0);
    } else {
        lblName_->setText("Empty");
        lblTime_->clear();
        tmrIsPlaying_->stop();
    }
}

// A label clicks when the left button comes up over it, except at the end of a double click:
// the first click of the two has clicked already.
bool Mp3Window::eventFilter(QObject* watched, QEvent* e) {
    auto left = [e](QEvent::Type type) {
        return e->type() == type && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
    };
    if (watched == cmdOpen_ || watched == lblLoop_) {
        if (left(QEvent::MouseButtonDblClick))
            doubleClicked_ = true;
        else if (left(QEvent::MouseButtonRelease) && !std::exchange(doubleClicked_, false))
            watched == cmdOpen_ ? cmdOpen_Click() : lblLoop_Click();
    }
    return ToolWindow::eventFilter(watched, e);
}

void Mp3Window::closeEvent(QCloseEvent* e) {
    ToolWindow::closeEvent(e);
    stop();
    if (e->isAccepted())
        tmrIsPlaying_->stop();
    else
        settings_.MP3Path = kDefaultPath;
}

}  // namespace tumblix
