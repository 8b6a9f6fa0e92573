// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ui/main_layout.h"
#include "ui/window_shape.h"
#include "widgets/control_button.h"
#include "widgets/fitting_font.h"
#include "widgets/frame_box.h"
#include "widgets/twips.h"

namespace tumblix {

namespace {
// The board and the preview are drawn in these user units.
constexpr double kBoardUnitsX = 3760, kBoardUnitsY = 7760;
constexpr double kNextUnits = 1060;

}  // namespace

void MainWindow::buildControls() {
    Twips tw = Twips::of(*this);
    for (const ControlSpec& spec : mainWindowControls()) {
        QWidget* parent = spec.parent ? controls_.value(spec.parent) : client_;
        QString caption = tr(spec.caption);
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
                w = new ControlButton(caption, parent);
                break;
            case ControlKind::CheckButton: {
                auto* button = new QPushButton(caption, parent);
                button->setCheckable(true);
                w = button;
                break;
            }
        }
        w->setObjectName(spec.name);
        w->setProperty("tag", tr(spec.tag));
        w->setFocusPolicy(Qt::NoFocus);
        w->setGeometry(tw.rect(spec.left, spec.top, spec.width, spec.height));
        controls_.insert(spec.name, w);
    }
    for (int i = 0; i < static_cast<int>(Ctl::Count); ++i) {
        std::string_view name = ctlName(static_cast<Ctl>(i));
        byCtl_[static_cast<std::size_t>(i)] =
            controls_.value(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    }
    // The frames and bars the game never recolours keep their design colours.
    auto paint = [this](std::initializer_list<const char*> names, const QColor& color) {
        for (const char* name : names) {
            QPalette p = controls_[name]->palette();
            p.setColor(QPalette::Window, color);
            controls_[name]->setPalette(p);
        }
    };
    paint({"fraTumblix", "fraLeft"}, QColor(0xC0, 0xC0, 0xC0));
    paint({"fraBottom", "fraBottomRight"}, QColor(0x80, 0x80, 0x80));
    paint({"Label1", "Label2", "Label3", "Label4", "Label5"}, Qt::black);
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
    // A caption wider or taller than its button (with its border, pressed in) gets a smaller
    // font; so does a label's text, each time it changes (see applyControl).
    for (auto* button : client_->findChildren<QPushButton*>())
        button->setFont(fittingFont(button->font(), button->text(),
                                    button->rect().adjusted(4, 2, -4, -2), Qt::AlignCenter));
    for (auto* label : client_->findChildren<QLabel*>()) fitLabelFont(*label);
}

void MainWindow::wireControls() {
    auto bind = [this](const char* name, auto down, auto up) {
        auto* b = static_cast<ControlButton*>(controls_[name]);
        connect(b, &ControlButton::mouseDown, this, down);
        connect(b, &ControlButton::mouseUp, this, up);
    };
    bind(
        "cmdLeftRight(0)", [this] { buttons_->cmdLeftRight_MouseDown(0); },
        [this] { buttons_->cmdLeftRight_MouseUp(); });
    bind(
        "cmdLeftRight(2)", [this] { buttons_->cmdLeftRight_MouseDown(2); },
        [this] { buttons_->cmdLeftRight_MouseUp(); });
    bind(
        "cmdRotate(0)", [this] { buttons_->cmdRotate_MouseDown(0); },
        [this] { buttons_->cmdRotate_MouseUp(); });
    bind(
        "cmdDown", [this] { buttons_->cmdDown_MouseDown(); },
        [this] { buttons_->cmdDown_MouseUp(); });
    bind(
        "cmdSpace", [this] { buttons_->cmdSpace_MouseDown(); },
        [this] { buttons_->cmdSpace_MouseUp(); });
    for (Ctl c : {Ctl::chkPause, Ctl::chkHelp, Ctl::chkDemo, Ctl::chkSet, Ctl::chkExit,
                  Ctl::chkAuto, Ctl::chkFuture, Ctl::chkRec, Ctl::chkStat, Ctl::chkMP3}) {
        connect(static_cast<QPushButton*>(byCtl_[static_cast<std::size_t>(c)]),
                &QPushButton::clicked, this,
                [this, c](bool checked) { menu_->setValue(c, checked ? 1 : 0); });
    }
    connect(picTumblix_, &PictureBox::mouseDown, this,
            [this](int b, double, double) { buttons_->picTumblix_MouseDown(b); });
    connect(picTumblix_, &PictureBox::mouseUp, this,
            [this](int b, double, double) { buttons_->picTumblix_MouseUp(b); });
    connect(picTumblix_, &PictureBox::mouseMove, this,
            [this](int, double x, double) { buttons_->picTumblix_MouseMove(x); });

    // Each timer's work happens after the gravity ticks due before it.
    connect(&timer(Timer::tmrDown), &QTimer::timeout, this, [this] {
        gravity_.catchUp();
        pollGamepad();
        paceGravity();
    });
    auto onTimeout = [this](Timer t, auto work) {
        connect(&timer(t), &QTimer::timeout, this, [this, work] {
            catchUpGravity();
            work();
        });
    };
    onTimeout(Timer::tmrMigCountLines, [this] { game_->tmrMigCountLines_Timer(); });
    onTimeout(Timer::tmrLevel, [this] { game_->tmrLevel_Timer(); });
    onTimeout(Timer::tmrDemo, [this] { menu_->tmrDemo_Timer(); });
    onTimeout(Timer::tmrMigMenuControls, [this] { menu_->tmrMigMenuControls_Timer(); });
}

QSize MainWindow::designSize() const {
    Twips tw = Twips::of(*this);
    return QSize(tw.x(kMainWidthTwips), tw.y(kMainHeightTwips));
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
    client_->setGeometry(
        QRect(clientOrigin(m), QSize(tw.x(kMainClientWidthTwips), tw.y(kMainClientHeightTwips))));
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

}  // namespace tumblix
