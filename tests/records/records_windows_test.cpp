// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "records/enter_name_dialog.h"
#include "records/game_over_dialog.h"
#include "support/answer_modal.h"

namespace tumblix::testing {
namespace {

// The name dialog, answered while it runs.
std::optional<QString> answerNameDialog(const std::function<void(EnterNameDialog&)>& answer) {
    EnterNameDialog dialog(nullptr);
    bool accepted = false;
    answerModal<EnterNameDialog>([&] { accepted = dialog.exec() == QDialog::Accepted; }, answer);
    return accepted ? std::optional(dialog.PlayerName) : std::nullopt;
}

// Esc, the pause key, neither cancels nor confirms: each dialog waits for its answer. Typing
// replaces "UnNamed" (Enter on it is the end-to-end record case's); closing cancels.
TEST(RecordDialogs, EscWaitsForTheAnswerAndTheNameTakesTenCharacters) {
    auto typed = answerNameDialog([](EnterNameDialog& d) {
        auto* txt = d.findChild<QLineEdit*>("txtName");
        EXPECT_EQ(txt->text(), "UnNamed");
        QTest::keyClick(txt, Qt::Key_Escape);
        QTest::keyClicks(txt, "Veronika-Anastasia");
        QTest::keyClick(txt, Qt::Key_Return);
    });
    EXPECT_EQ(typed, QString("Veronika-A"));  // ten characters at most

    EXPECT_FALSE(answerNameDialog([](EnterNameDialog& d) { d.close(); }));
    for (const char* answer : {"cmdYes", "cmdNo"}) {
        GameOverDialog dialog(nullptr);
        QTimer::singleShot(0, &dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_EQ(
                std::pair(dialog.isVisible(), dialog.findChild<QLabel*>("lblGameOver")->text()),
                std::pair(true, QString("Game Over !")));
            dialog.findChild<QPushButton*>(answer)->click();
        });
        dialog.exec();
        EXPECT_EQ(dialog.blnContinue, QString(answer) == "cmdYes");
    }
}

}  // namespace
}  // namespace tumblix::testing
