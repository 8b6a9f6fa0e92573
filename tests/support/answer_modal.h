// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tumblix::testing {

// Runs action while answering every modal window of type W with answer, once per showing.
template <class W>
int answerModal(const std::function<void()>& action, const std::function<void(W&)>& answer) {
    int shown = 0;
    QTimer poll;
    W* last = nullptr;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!w || !w->isVisible() || w == last) return;
        last = w;
        ++shown;
        answer(*w);
        last = nullptr;
    });
    poll.start(1);
    action();
    return shown;
}

// A left click; a check box is clicked on its box.
inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QCheckBox*>(w) ? QPoint(8, 8) : QPoint());
}

}  // namespace tumblix::testing
