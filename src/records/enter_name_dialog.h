#pragma once

#include <QDialog>
#include <QLineEdit>

namespace tumblix {

// Asks for the player's name when a result enters the best-players table. Enter confirms;
// closing the dialog any other way cancels.
class EnterNameDialog : public QDialog {
    Q_OBJECT
  public:
    explicit EnterNameDialog(QWidget* owner);
    QString PlayerName;

  private:
    QLineEdit* txtName_;
};

}  // namespace tumblix
