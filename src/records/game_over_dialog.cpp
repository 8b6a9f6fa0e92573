// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/game_over_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tumblix {

GameOverDialog::GameOverDialog(QWidget* owner) : EscProofDialog(owner) {
    setObjectName("frmGameOver");
    setWindowRole(objectName());
    setWindowTitle("Tumblix");
    setModal(true);
    auto* lblGameOver = new QLabel("Game Over !", this);
    lblGameOver->setObjectName("lblGameOver");
    QFont big = lblGameOver->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblGameOver->setFont(big);
    lblGameOver->setAlignment(Qt::AlignCenter);
    auto* lblNewGame = new QLabel(tr("Начать новую игру ?"), this);
    lblNewGame->setObjectName("lblNewGame");
    lblNewGame->setAlignment(Qt::AlignCenter);
    auto* cmdYes = new QPushButton(tr("Да"), this);
    cmdYes->setObjectName("cmdYes");
    cmdYes->setDefault(true);
    auto* cmdNo = new QPushButton(tr("Нет"), this);
    cmdNo->setObjectName("cmdNo");
    connect(cmdYes, &QPushButton::clicked, this, [this] {
        blnContinue = true;
        accept();
    });
    connect(cmdNo, &QPushButton::clicked, this, [this] {
        blnContinue = false;
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGameOver);
    layout->addWidget(lblNewGame);
    layout->addLayout(buttons);
}

}  // namespace tumblix
