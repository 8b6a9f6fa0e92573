// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include "widgets/esc_proof_dialog.h"

class QPlainTextEdit;
class QPushButton;

namespace tumblix {

// "Справка": one page of help text, unrolling downwards as it opens. "Далее" goes on to the
// next page; "Закрыть" or the close box ends the tour. One instance serves a whole tour.
class HelpWindow : public EscProofDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* owner);

    bool blnClose = false;
    QString strText;

    // Shows strText modally; true when the player ended the tour.
    bool showPage();
    // Takes the page away as the program does (at the end of a game): the tour goes on.
    void unload();

    void tmrResize_Timer();
    QTimer& tmrResize() { return tmrResize_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    // The window's height with its frame, title bar included.
    virtual int outerHeight() const { return frameGeometry().height(); }

  private:
    void Form_Load();
    void fitText();

    QPlainTextEdit* txtText_;
    QPushButton* cmdClose_;
    QPushButton* cmdNext_;
    QTimer tmrResize_;
    bool closingByProgram_ = false;
};

}  // namespace tumblix
