#include "ui/main_window.h"

#include <QDate>
#include <QDir>
#include <QLocale>

#include "mp3/mp3_window.h"
#include "records/enter_name_dialog.h"
#include "records/future_window.h"
#include "records/list_window.h"
#include "ui/twips.h"

namespace tumblix {

std::vector<QWidget*> MainWindow::sideWindows() const {
    return {tumbliFathers_.get(), statistic_.get(), future_.get(), mp3_.get()};
}

void MainWindow::buildSideWindows() {
    struct Side {
        ToolWindow* window;
        Ctl button;
    };
    for (Side side : {Side{tumbliFathers_.get(), Ctl::chkRec}, Side{statistic_.get(), Ctl::chkStat},
                      Side{future_.get(), Ctl::chkFuture}, Side{mp3_.get(), Ctl::chkMP3}}) {
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
    Panel& p = game_->panel();
    p.setValue(Ctl::chkRec, tumbliFathers_->isVisible() ? 1 : 0);
    p.setValue(Ctl::chkStat, statistic_->isVisible() ? 1 : 0);
    p.setValue(Ctl::chkFuture, future_->isVisible() ? 1 : 0);
    p.setValue(Ctl::chkMP3, mp3_->isVisible() ? 1 : 0);
}

}  // namespace tumblix
