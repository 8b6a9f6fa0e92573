#pragma once

#include "records/end_dialog.h"

namespace tumblix {

// Asks whether to play again: "Да" starts a new game, "Нет" or the close box ends.
class GameOverDialog : public EndDialog {
    Q_OBJECT
  public:
    explicit GameOverDialog(QWidget* owner);
    bool blnContinue = false;
};

}  // namespace tumblix
