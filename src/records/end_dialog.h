#pragma once

#include <QDialog>
#include <QKeyEvent>

namespace tumblix {

// A dialog at the end of a game. Esc is the game's pause key, and a player may press it just
// as the game ends: here it does nothing, so only the dialog's buttons or its close box answer.
class EndDialog : public QDialog {
  public:
    using QDialog::QDialog;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) return e->accept();
        QDialog::keyPressEvent(e);
    }
};

}  // namespace tumblix
