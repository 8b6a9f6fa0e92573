// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "widgets/twips.h"

namespace tumblix {

namespace {
constexpr int kWidthTwips = 4800, kFullHeightTwips = 3030, kStepTwips = 100;
constexpr int kButtonsHeight = 36;
}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : EscProofDialog(owner) {
    setObjectName("frmHelp");
    setWindowRole(objectName());
    setWindowTitle(tr("Справка"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    txtText_ = new QPlainTextEdit(this);
    txtText_->setObjectName("txtText");
    txtText_->setReadOnly(true);
    txtText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdNext_ = new QPushButton(tr("Далее"), this);
    cmdNext_->setObjectName("cmdNext");
    cmdClose_ = new QPushButton(tr("Закрыть"), this);
    cmdClose_->setObjectName("cmdClose");
    setTabOrder(cmdNext_, cmdClose_);
    setTabOrder(cmdClose_, txtText_);
    connect(cmdNext_, &QPushButton::clicked, this, [this] {
        closingByProgram_ = true;
        accept();
    });
    connect(cmdClose_, &QPushButton::clicked, this, [this] {
        blnClose = true;
        closingByProgram_ = true;
        accept();
    });
    tmrResize_.setInterval(15);
    connect(&tmrResize_, &QTimer::timeout, this, &HelpWindow::tmrResize_Timer);
    setFixedWidth(Twips::of(*this).x(kWidthTwips));
}

bool HelpWindow::showPage() {
    Form_Load();
    exec();
    tmrResize_.stop();
    return blnClose;
}

void HelpWindow::unload() {
    closingByProgram_ = true;
    close();
}

void HelpWindow::Form_Load() {
    closingByProgram_ = false;
    txtText_->setPlainText(strText);
    // The window opens as a bare strip and unrolls from there.
    setFixedHeight(minimumSizeHint().height() > 0 ? 1 : 0);
    fitText();
    tmrResize_.start();
    cmdNext_->setFocus();
}

void HelpWindow::tmrResize_Timer() {
    Twips tw = Twips::of(*this);
    int before = height();
    setFixedHeight(before + tw.y(kStepTwips));
    fitText();
    // The outer height read back ends the unrolling, even where the window system refused to
    // grow.
    if (outerHeight() > tw.y(kFullHeightTwips) || height() == before) tmrResize_.stop();
}

void HelpWindow::fitText() {
    const int m = 6;
    int textHeight = std::max(0, height() - kButtonsHeight - 2 * m);
    txtText_->setGeometry(m, m, width() - 2 * m, textHeight);
    int y = height() - kButtonsHeight + 4;
    int w = (width() - 3 * m) / 2;
    cmdClose_->setGeometry(m, y, w, kButtonsHeight - 10);
    cmdNext_->setGeometry(2 * m + w, y, w, kButtonsHeight - 10);
}

void HelpWindow::closeEvent(QCloseEvent* e) {
    // Closed from its own close box: the tour ends as with "Закрыть".
    if (!closingByProgram_) blnClose = true;
    QDialog::closeEvent(e);
}

}  // namespace tumblix
