#pragma once

#include <QDialog>

namespace tumblix {

// Asks whether to play again: "Да" starts a new game, "Нет" or the close box ends.
class GameOverDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GameOverDialog(QWidget* owner);
    bool blnContinue = false;
};

}  // namespace tumblix
