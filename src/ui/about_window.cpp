// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/color.h"
#include "widgets/qt_color.h"

namespace tumblix {

namespace {
constexpr int kWidth = 380;
}  // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner) {
    setObjectName("frmAbout");
    setWindowRole(objectName());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QString title = QApplication::applicationName();
    setWindowTitle("About " + title);
    ScrollText = title + "\r\n" + tr("Игра сделана с любовью к падающим фигуркам. © 2026");

    auto* lblAboutText = new QLabel(
        tr("Управление - стрелочными клавишами + Пробел (инвертирование фигурки) или мышкой над "
           "игровым полем (левая кнопка поворот фигурки, правая - бросить фигурку). Настройки и "
           "другие сервисы расположены в рамке Menu (внизу и справа от игрового поля)."),
        this);
    lblAboutText->setObjectName("lblAboutText");
    auto* line1 = new QFrame(this);
    line1->setObjectName("Line1");
    line1->setFrameShape(QFrame::HLine);
    lblScrollText_ = new QLabel(this);
    lblScrollText_->setObjectName("lblScrollText");
    QFont bold = lblScrollText_->font();
    bold.setBold(true);
    lblScrollText_->setFont(bold);
    for (QLabel* l : {lblAboutText, lblScrollText_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setStyleSheet("color: white; background: transparent;");
    }
    // The typing line keeps the room of its whole text from the start.
    const int margin = 18, textWidth = kWidth - 2 * margin;
    lblScrollText_->setText(QString(ScrollText).replace("\r\n", "\n"));
    lblScrollText_->setMinimumHeight(lblScrollText_->heightForWidth(textWidth));
    lblScrollText_->clear();
    auto* cmdClose = new QPushButton(tr("Закрыть"), this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, 12);
    layout->addWidget(lblAboutText);
    layout->addWidget(line1);
    layout->addWidget(lblScrollText_);
    layout->addWidget(cmdClose, 0, Qt::AlignHCenter);
    // As tall as the wrapped summary, the typed lines and "Закрыть" need at this width.
    setFixedSize(kWidth, heightForWidth(kWidth));

    tmrScroll_.setInterval(30);
    connect(&tmrScroll_, &QTimer::timeout, this, &AboutWindow::tmrScroll_Timer);
    tmrScroll_.start();
}

QString AboutWindow::scrollShown() const {
    return lblScrollText_->text();
}

void AboutWindow::tmrScroll_Timer() {
    if (ScrollWait > 150) {
        ScrollWait = 0;
        ScrollPos = 0;
        tmrScroll_.stop();
        accept();
        return;
    }
    ++ScrollPos;
    if (ScrollPos <= ScrollText.size())
        lblScrollText_->setText(ScrollText.left(ScrollPos).replace("\r\n", "\n"));
    else
        ++ScrollWait;
}

// The background: a dark well with a few figures falling in the game's colours.
void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(10, 10, 60));
    const int cell = 18;
    struct Piece {
        int x, y, colour;
        const char* rows[2];
    };
    const Piece pieces[] = {{1, 2, 12, {"###", ".#."}},    {16, 1, 10, {"##", "##"}},
                            {4, 11, 14, {"####", "...."}}, {15, 9, 13, {"#..", "###"}},
                            {9, 15, 11, {".##", "##."}},   {1, 17, 9, {"#", "#"}}};
    for (const Piece& piece : pieces) {
        QColor c = toQColor(qbColor(piece.colour));
        c.setAlpha(110);
        for (int r = 0; r < 2; ++r)
            for (int k = 0; piece.rows[r][k]; ++k)
                if (piece.rows[r][k] == '#')
                    p.fillRect((piece.x + k) * cell + 1, (piece.y + r) * cell + 1, cell - 2,
                               cell - 2, c);
    }
}

}  // namespace tumblix
