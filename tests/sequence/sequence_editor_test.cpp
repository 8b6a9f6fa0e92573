// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>

#include "sequence/sequence_editor.h"
#include "support/answer_modal.h"
#include "support/settings_values.h"

namespace tumblix::testing {
namespace {

TEST(SequenceEditor, SlotsFollowTheListAndTheButtonsItsLength) {
    SettingsValues values;  // the sequence on a seeded generator and a still clock
    SequenceState& seq = values.sequence;
    seq.SequenceOn = true;  // an empty list cannot be on
    auto editor = std::make_unique<frmSeq>(nullptr, seq);
    auto b = [&](const QString& name) { return editor->findChild<QAbstractButton*>(name); };
    auto slot = [&](int i) { return b(QString("cmdDest(%1)").arg(i)); };
    auto shows = [&](int i, int kind) {
        return slot(i)->icon().pixmap(30).toImage() ==
               b(QString("cmdBase(%1)").arg(kind))->icon().pixmap(30).toImage();
    };
    auto state = [&] {
        auto* label = editor->findChild<QLabel*>("lblState");
        return std::pair(label->text(), label->palette().color(QPalette::WindowText));
    };
    const auto off = std::pair(QString("Последовательность отключена"), QColor(255, 0, 0));
    editor->show();
    EXPECT_FALSE(b("cmdOK")->isEnabled() || b("cmdNo")->isEnabled() || b("chkRandom")->isEnabled());
    EXPECT_EQ(std::tuple(state(), seq.SequenceOn, slot(0)->isHidden()),
              std::tuple(off, false, true));
    for (int k : {1, 4, 6}) click(b(QString("cmdBase(%1)").arg(k)));
    EXPECT_TRUE(b("cmdOK")->isEnabled() && b("chkRandom")->isEnabled());
    click(b("chkRandom"));
    click(slot(1));  // the middle one: 1, 6
    EXPECT_TRUE(shows(0, 1) && shows(1, 6) && slot(2)->isHidden() && seq.SequenceRandom);
    click(slot(1));
    EXPECT_FALSE(seq.SequenceRandom || b("chkRandom")->isEnabled());
    for (int i = 0; i < 10; ++i) click(b("cmdBase(2)"));  // the eleventh is refused
    EXPECT_TRUE(shows(9, 2) && !slot(9)->isHidden());
    click(b("chkRandom"));
    click(b("cmdOK"));  // shown as on, and random, when the editor opens again
    editor = std::make_unique<frmSeq>(nullptr, seq);
    editor->show();
    EXPECT_TRUE(shows(0, 1) && shows(1, 2) && !slot(9)->isHidden() && b("chkRandom")->isChecked());
    EXPECT_EQ(editor->windowTitle(), "Определение последовательности появления фигурок");
    EXPECT_EQ(state(), std::pair(QString("Последовательность включена"), QColor(0, 0, 255)));
    click(b("cmdNo"));
    EXPECT_FALSE(seq.SequenceOn);
    for (int i = 0; i < 10; ++i) click(slot(0));
    EXPECT_EQ(std::tuple(b("cmdNo")->isEnabled(), state(), seq.SequenceLength),
              std::tuple(false, off, 0));
}

}  // namespace
}  // namespace tumblix::testing
