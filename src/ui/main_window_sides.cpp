// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QDate>
#include <QDir>
#include <QLocale>

#include "mp3/mp3_window.h"
#include "records/enter_name_dialog.h"
#include "records/future_window.h"
#include "records/list_window.h"
#include "widgets/twips.h"

namespace tumblix {

std::vector<QWidget*> MainWindow::sideWindows() const {
    std::vector<QWidget*> windows;
    for (const SideWindowSpec& side : kSideWindows) windows.push_back(sideWindow(side.window));
    return windows;
}

void MainWindow::buildSideWindows() {
    Twips tw = Twips::of(*this);
    for (const SideWindowSpec& side : kSideWindows) {
        ToolWindow* window = sideWindow(side.window);
        // Docked, each window's frame stays clear of the next one's (a pixel spare for the
        // rounding of both places).
        std::int32_t room = dockRoom(side.window);
        window->fixSize(room > 0 ? tw.y(room) - 1 : 0);
        window->setFocusReturn([this] {
            if (!isVisible() || isMinimized()) return;
            activateWindow();
            focusBoard();
        });
        Ctl button = side.button;
        window->setUserClosed([this, button] { menu_->setValue(button, 0); });
        menu_->setHandler(button, [this, window](int value) {
            window->setVisible(value == 1);
            if (isVisible()) focusBoard();
        });
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
    if (closing_) return std::nullopt;
    EnterNameDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.PlayerName.toStdString();
}

std::string MainWindow::todayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

void MainWindow::syncMenuButtons() {
    for (const SideWindowSpec& side : kSideWindows)
        game_->panel().setValue(side.button, sideWindow(side.window)->isVisible() ? 1 : 0);
}

}  // namespace tumblix
