// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPushButton>
#include <cstdio>

#include "base/main_module.h"
#include "files/file_lock.h"
#include "files/write_error_text.h"
#include "mp3/mp3_window.h"
#include "records/future_window.h"
#include "records/list_window.h"
#include "settings/docking.h"
#include "settings/settings_file.h"
#include "sound/sound_system.h"
#include "ui/main_layout.h"
#include "ui/main_window.h"
#include "widgets/twips.h"

namespace tumblix {

ToolWindow* MainWindow::sideWindow(SideWindow w) const {
    switch (w) {
        case SideWindow::frmTumbliFathers:
            return tumbliFathers_.get();
        case SideWindow::frmStatistic:
            return statistic_.get();
        case SideWindow::frmFuture:
            return future_.get();
        case SideWindow::frmMP3:
            break;
    }
    return mp3_.get();
}

void MainWindow::moveInTwips(QWidget* w, Point place) {
    Twips tw = Twips::of(*this);
    QPoint px(tw.x(place.left), tw.y(place.top));
    w->move(px);
    // A window still where it was put is written back with the very twips it came from.
    placed_[w] = {px, place};
}

Point MainWindow::twipsOf(QWidget* w) const {
    auto it = placed_.find(w);
    if (it != placed_.end() && it->second.first == w->pos()) return it->second.second;
    Twips tw = Twips::of(*this);
    return {tw.toTwipsX(w->x()), tw.toTwipsY(w->y())};
}

void MainWindow::LoadSettings() {
    if (!settingsFile_.empty()) {
        std::string folder =
            (dataFolder_.empty() ? settingsFile_.parent_path() : dataFolder_).string();
        LoadedSettings loaded = loadSettingsFile(settingsFile_, folder);
        settings_ = loaded.settings;
        settingsUnreadable_ = loaded.source == LoadedSettings::Source::Unreadable;
    }
    moveInTwips(this, settings_.mainWindow);
    // One window after another, each painted before the next is placed.
    for (const SideWindowSpec& side : kSideWindows) {
        const std::optional<Point>& place = settings_.*side.place;
        QWidget* w = sideWindow(side.window);
        // Placed before it is shown, so that a window manager frames it there.
        if (place) moveInTwips(w, *place);
        w->setVisible(place.has_value());
        if (place) w->repaint();
        YieldMessages(1);  // a few rounds paint it; thousands cost seconds on a busy machine
    }
    game_->settings().iFantom = settings_.iFantom;
    game_->settings().bDrawSetka = settings_.bDrawSetka;
    if (sounds_) sounds_->applySettings(settings_);
    mp3_->InitMusic();
}

void MainWindow::SaveSettings() {
    if (settingsFile_.empty()) return;
    if (isMinimized() || isMaximized()) showNormal();
    Settings out = settings_;
    out.mainWindow = twipsOf(this);
    for (const SideWindowSpec& side : kSideWindows) {
        QWidget* w = sideWindow(side.window);
        out.*side.place = w->isVisible() ? std::optional<Point>(twipsOf(w)) : std::nullopt;
    }
    out.iFantom = static_cast<std::uint8_t>(game_->settings().iFantom);
    out.bDrawSetka = game_->settings().bDrawSetka;
    if (sounds_) sounds_->storeSettings(out);
    QString why = tr("файл не читается, он оставлен как есть");
    if (!settingsUnreadable_) {
        std::filesystem::path lock = settingsFile_;
        FileLock held(lock += ".lock");
        WriteResult written = saveSettingsFile(settingsFile_, out);
        if (written) return;
        why = QString::fromStdString(writeErrorText(written.error));
    }
    QString said = tr("Tumblix: настройки не записаны в файл %1: %2")
                       .arg(QString::fromStdString(settingsFile_.string()), why);
    std::fprintf(stderr, "%s\n", said.toUtf8().constData());
}

// "Auto": the side windows in a column at the main window's right, shown and ticked.
void MainWindow::chkAuto_Click() {
    for (const DockPlace& dock : dockColumn(twipsOf(this), kMainWidthTwips)) {
        QWidget* w = sideWindow(dock.window);
        if (w->isMinimized() || w->isMaximized()) w->showNormal();
        moveInTwips(w, dock.place);
        w->show();
        for (const SideWindowSpec& side : kSideWindows)
            if (side.window == dock.window) menu_->setValue(side.button, 1);
    }
}

}  // namespace tumblix
