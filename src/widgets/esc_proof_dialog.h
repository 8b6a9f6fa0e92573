// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QKeyEvent>

namespace tumblix {

// A dialog that Esc does not close. Esc is the game's pause key, and a player may press it
// just as a dialog opens (the end of a game, a help page): here it does nothing, so only the
// dialog's buttons or its close box answer.
class EscProofDialog : public QDialog {
  public:
    using QDialog::QDialog;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) return e->accept();
        QDialog::keyPressEvent(e);
    }
};

}  // namespace tumblix
