// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <functional>

#include "chooser/file_chooser.h"
#include "support/answer_modal.h"

namespace tumblix::testing {

// Answers the chooser with a click on the named file and gives the names it listed.
inline QStringList pickFile(const std::function<void()>& open, const QString& name) {
    QStringList listed;
    answerModal<frmOpen>(open, [&](frmOpen& o) {
        auto* files = o.findChild<QListWidget*>("filOpen");
        for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
        if (name.isEmpty()) return (void)o.close();
        QListWidgetItem* item = files->findItems(name, Qt::MatchExactly).value(0);
        ASSERT_TRUE(item) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(item).center());
    });
    return listed;
}

}  // namespace tumblix::testing
