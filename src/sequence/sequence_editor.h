// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "sequence/sequence_state.h"
#include "widgets/esc_proof_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tumblix {

// "Определение последовательности появления фигурок": the player composes the figure sequence
// here. A click on one of the seven figures appends it, a click on one of the ten slots removes
// that item; every click changes the list at once. "Включить" and "Отключить" switch the
// sequence mode on or off and close; the close box leaves the mode as it is.
class frmSeq : public EscProofDialog {
    Q_OBJECT
  public:
    frmSeq(QWidget* owner, SequenceState& sequence);

    // Enables the buttons as the list's length allows and shows the mode.
    void CheckCount();
    // Each visible slot shows the picture of its item.
    void DrawDest();

  private:
    void Form_Load();
    void cmdBase_Click(int Index);
    void cmdDest_Click(int Index);

    SequenceState& seq_;
    std::array<QPushButton*, clsSeq::kCapacity> cmdDest{};
    std::array<QPushButton*, 7> cmdBase{};
    QCheckBox* chkRandom;
    QPushButton* cmdOK;
    QPushButton* cmdNo;
    QLabel* lblState;
};

}  // namespace tumblix
