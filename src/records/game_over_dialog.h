// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/esc_proof_dialog.h"

namespace tumblix {

// Asks whether to play again: "Да" starts a new game, "Нет" or the close box ends.
class GameOverDialog : public EscProofDialog {
    Q_OBJECT
  public:
    explicit GameOverDialog(QWidget* owner);
    bool blnContinue = false;
};

}  // namespace tumblix
