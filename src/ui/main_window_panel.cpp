// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QLabel>
#include <QPushButton>

#include "engine/contrast.h"
#include "mp3/mp3_window.h"
#include "widgets/fitting_font.h"
#include "widgets/frame_box.h"
#include "widgets/qt_color.h"

namespace tumblix {

namespace {
// A raised button in its colour; held, or ticked for the menu's check buttons, it is pressed in.
// The edges have colours of their own, a light and a dark one that trade places when pressed,
// so that the pressed look shows on every back colour (black included).
QString buttonStyle(const QColor& back, const QColor& text) {
    return QString(
               "QPushButton { background-color: %1; color: %2; border: 2px solid;"
               " border-color: #e0e0e0 #404040 #404040 #e0e0e0; padding: 0; }"
               "QPushButton:pressed, QPushButton:checked {"
               " border-color: #404040 #e0e0e0 #e0e0e0 #404040;"
               " padding-top: 2px; padding-left: 2px; }")
        .arg(back.name(), text.name());
}

// The game's rules write the panel's texts in Russian; the player reads them in their language.
QString panelText(const std::string& text) {
    static const std::string bonus = "Tumblix-фигурка Bonus ";
    if (text.starts_with(bonus))
        return MainWindow::tr("Tumblix-фигурка Bonus %1")
            .arg(QString::fromStdString(text.substr(bonus.size())));
    return MainWindow::tr(text.c_str());
}
}  // namespace

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
    if (c == Ctl::frmMP3) {
        QPalette p = mp3_->palette();
        p.setColor(QPalette::Window, toQColor(s.backColor));
        mp3_->setPalette(p);
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
    QWidget* w = byCtl_[static_cast<std::size_t>(c)];
    if (!w) return;
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(panelText(s.text));
        // The control buttons take a random colour each game; their arrows stay readable on it.
        Color text = button->isCheckable() ? s.foreColor : readableTextOn(s.backColor, s.foreColor);
        button->setStyleSheet(buttonStyle(toQColor(s.backColor), toQColor(text)));
        if (button->isCheckable() && button->isChecked() != (s.value == 1)) {
            QSignalBlocker block(button);
            button->setChecked(s.value == 1);
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (QString text = panelText(s.text); label->text() != text) {
            label->setText(text);
            fitLabelFont(*label);
        }
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
    int interval = s.interval;
    if (t == Timer::tmrDown) {
        gravity_.setPeriod(s.interval * 1000);
        s.enabled ? gravity_.start() : gravity_.stop();
        interval = kFrameMs;
    }
    if (qt.interval() != interval) qt.setInterval(interval);
    if (s.enabled && !qt.isActive())
        qt.start();
    else if (!s.enabled && qt.isActive())
        qt.stop();
    if (t == Timer::tmrDown) paceGamepad();
}

}  // namespace tumblix
