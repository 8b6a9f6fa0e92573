// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/enter_name_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tumblix {

EnterNameDialog::EnterNameDialog(QWidget* owner) : EscProofDialog(owner) {
    setObjectName("frmEnterName");
    setWindowRole(objectName());
    setWindowTitle("Tumblix");
    setModal(true);
    auto* label = new QLabel(tr("Введите Ваше имя"), this);
    label->setObjectName("lblEnterName");
    txtName_ = new QLineEdit("UnNamed", this);
    txtName_->setObjectName("txtName");
    txtName_->setMaxLength(10);
    txtName_->selectAll();
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        PlayerName = txtName_->text();
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(txtName_);
    layout->addWidget(ok);
    txtName_->setFocus();
}

}  // namespace tumblix
