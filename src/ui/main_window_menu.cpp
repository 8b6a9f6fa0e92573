// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

#include "chooser/file_chooser.h"
#include "control/help_tour.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/main_layout.h"
#include "ui/main_window.h"

namespace tumblix {

namespace {
// The tour's pages, all in one help window owned by the main window.
class HelpWindowPages final : public HelpPages {
  public:
    explicit HelpWindowPages(QWidget* owner) : window_(owner) {}
    bool showPage(const std::string& text) override {
        window_.strText = QString::fromStdString(text);
        return window_.showPage();
    }

  private:
    HelpWindow window_;
};
}  // namespace

void MainWindow::buildMenuCommands() {
    menu_->setHandler(Ctl::chkHelp, [this](int value) {
        if (value == 1)
            runHelpTour();
        else
            focusBoard();
    });
    menu_->setHandler(Ctl::chkSet, [this](int value) {
        if (value == 1 && showSettings_) showSettings_();
        menu_->setValue(Ctl::chkSet, 0);
        game_->ResetMenuColors();
        focusBoard();
    });
    menu_->setHandler(Ctl::chkExit, [this](int value) {
        if (value == 1) closeMainWindow();
    });
    // "Auto" docks when ticked and unticks itself as the mouse button comes up.
    menu_->setHandler(Ctl::chkAuto, [this](int value) {
        if (value == 1) chkAuto_Click();
    });
    connect(static_cast<QPushButton*>(byCtl_[static_cast<std::size_t>(Ctl::chkAuto)]),
            &QPushButton::clicked, this, [this] {
                menu_->setValue(Ctl::chkAuto, 0);
                focusBoard();
            });
    for (Ctl c : Menu::kUpperRow) byCtl_[static_cast<std::size_t>(c)]->setMouseTracking(true);
    controls_["fraBottomRight"]->setMouseTracking(true);
}

// The pointer over an upper menu button lights it; over the frame around the menu, "Pause"
// goes back to normal.
void MainWindow::menuMouseMove(QObject* watched) {
    if (watched == controls_.value("fraBottomRight")) return menu_->fraBottomRight_MouseMove();
    for (Ctl c : Menu::kUpperRow)
        if (watched == byCtl_[static_cast<std::size_t>(c)]) return menu_->upperButton_MouseMove(c);
}

void MainWindow::runHelpTour() {
    std::vector<std::string> texts;
    for (const ControlSpec& spec : mainWindowControls())
        texts.push_back(tr(spec.tag).toStdString());
    std::vector<HelpStop> stops;
    for (std::size_t i = 0; i < texts.size(); ++i)
        stops.push_back({mainWindowControls()[i].name, texts[i]});
    HelpWindowPages pages(this);
    QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QString folder =
        tableFolder_.empty() ? tr("с Tumblix'ом") : QString::fromStdString(tableFolder_);
    QString tablePage =
        tr("Лучшие игроки. Если запустить %1 на удаленном компьютере, то и результат запишется в "
           "таблицу рекордов на удаленном компьютере. Чтобы очистить таблицу надо удалить файл "
           "TumblixFathers.txt ( он в папке %2 ).")
            .arg(program, folder);
    tumblix::runHelpTour(*game_, *menu_, pages, stops, tablePage.toStdString());
}

// A game that ends takes the file chooser, the settings dialog with a sequence editor opened
// from it, and a help page away; the tour then goes on with its next page.
void MainWindow::closeGameWindows() {
    frmOpen::unload();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        if (auto* help = qobject_cast<HelpWindow*>(w))
            help->unload();
        else if (w->objectName() == "frmSettings" || w->objectName() == "frmSeq")
            w->close();
    }
}

void MainWindow::showAbout() {
    if (closing_) return;
    AboutWindow about(this);
    about.exec();
}

}  // namespace tumblix
