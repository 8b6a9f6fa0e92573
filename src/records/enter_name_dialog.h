// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include "widgets/esc_proof_dialog.h"

namespace tumblix {

// Asks for the player's name when a result enters the best-players table. Enter confirms;
// only the close box cancels.
class EnterNameDialog : public EscProofDialog {
    Q_OBJECT
  public:
    explicit EnterNameDialog(QWidget* owner);
    QString PlayerName;

  private:
    QLineEdit* txtName_;
};

}  // namespace tumblix
