// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence/sequence_editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "widgets/figure_picture.h"
#include "widgets/twips.h"

namespace tumblix {

namespace {
constexpr int kButtonTwips = 500, kButtonHeightTwips = 495, kPitchTwips = 600, kMarginTwips = 120;

QPushButton* pictureButton(QWidget* parent, const QString& name, int i, const Twips& tw) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString("%1(%2)").arg(name).arg(i));
    b->setGeometry(tw.rect(kMarginTwips + i * kPitchTwips, 300, kButtonTwips, kButtonHeightTwips));
    b->setIconSize(QSize(tw.x(450), tw.y(450)));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, QSize least) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    f->setMinimumSize(least);
    return f;
}

// The widest word of a text: a wrapped label is never narrower.
int widestWord(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(' '))
        widest = std::max(widest, fm.horizontalAdvance(word));
    return widest;
}
}  // namespace

frmSeq::frmSeq(QWidget* owner, SequenceState& sequence) : EscProofDialog(owner), seq_(sequence) {
    setObjectName("frmSeq");
    setWindowRole(objectName());
    setWindowTitle(tr("Определение последовательности появления фигурок"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Twips tw = Twips::of(*this);
    const int rowTwips = 2 * kMarginTwips + 10 * kPitchTwips;
    auto* frame1 = frame(this, "Frame1", tr("Последовательность появления фигурок"),
                         QSize(tw.x(rowTwips), tw.y(960)));
    for (int i = 0; i < 10; ++i) {
        cmdDest[i] = pictureButton(frame1, "cmdDest", i, tw);
        cmdDest[i]->hide();
        connect(cmdDest[i], &QPushButton::clicked, this, [this, i] { cmdDest_Click(i); });
    }
    auto* frame2 = frame(this, "Frame2", tr("Доступные фигурки"), QSize(tw.x(4440), tw.y(960)));
    for (int k = 0; k < 7; ++k) {
        cmdBase[k] = pictureButton(frame2, "cmdBase", k, tw);
        cmdBase[k]->setIcon(figurePicture(k, logicalDpiX()));
        connect(cmdBase[k], &QPushButton::clicked, this, [this, k] { cmdBase_Click(k); });
    }
    auto label = [&](const QString& text, int leastTwips) {
        auto* l = new QLabel(text, this);
        l->setObjectName("Label1");
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setMinimumWidth(std::max(tw.x(leastTwips), widestWord(l->fontMetrics(), text)));
        return l;
    };
    QLabel* toAdd = label(
        tr("Для добавления фигурки в последовательность щелкните на ней в Доступных фигурках"),
        1680);
    QLabel* toRemove = label(
        tr("Для удаления фигурки - щелкните на ней в Последовательности появления фигурок"), 4440);
    chkRandom = new QCheckBox(tr("Выводить последовательность в случайном порядке"), this);
    chkRandom->setObjectName("chkRandom");
    cmdOK = new QPushButton(tr("Включить"), this);
    cmdOK->setObjectName("cmdOK");
    cmdNo = new QPushButton(tr("Отключить"), this);
    cmdNo->setObjectName("cmdNo");
    for (QPushButton* b : {cmdOK, cmdNo}) b->setMinimumSize(tw.x(1500), tw.y(400));
    lblState = new QLabel(this);
    lblState->setObjectName("lblState");
    lblState->setAlignment(Qt::AlignCenter);

    // Two columns under the sequence: the figures, the removal hint and the random box at the
    // left; the adding hint and the two switches at the right. Each grows to its text.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(tw.x(kMarginTwips), tw.y(kMarginTwips), tw.x(kMarginTwips),
                             tw.y(kMarginTwips));
    grid->setSpacing(tw.x(kMarginTwips));
    grid->addWidget(frame1, 0, 0, 1, 2);
    grid->addWidget(frame2, 1, 0);
    grid->addWidget(toAdd, 1, 1);
    grid->addWidget(toRemove, 2, 0);
    grid->addWidget(cmdOK, 2, 1);
    grid->addWidget(chkRandom, 3, 0);
    grid->addWidget(cmdNo, 3, 1);
    grid->addWidget(lblState, 4, 0, 1, 2);
    const int width = grid->minimumSize().width();
    setFixedSize(width, heightForWidth(width));

    connect(chkRandom, &QCheckBox::toggled, this, [this](bool on) { seq_.SequenceRandom = on; });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        seq_.SequenceOn = true;
        accept();
    });
    connect(cmdNo, &QPushButton::clicked, this, [this] {
        seq_.SequenceOn = false;
        accept();
    });
    Form_Load();
}

void frmSeq::Form_Load() {
    for (int i = 0; i < std::min<int>(seq_.FigureSequence.GetCount(), 10); ++i) cmdDest[i]->show();
    DrawDest();
    CheckCount();
}

void frmSeq::CheckCount() {
    const int count = seq_.FigureSequence.GetCount();
    cmdOK->setEnabled(count >= 1);
    cmdNo->setEnabled(count >= 1);
    if (count < 1) seq_.SequenceOn = false;
    if (count < 2) {
        seq_.SequenceRandom = false;
        chkRandom->setChecked(false);
        chkRandom->setEnabled(false);
    } else {
        chkRandom->setEnabled(true);
        chkRandom->setChecked(seq_.SequenceRandom);
    }
    lblState->setText(seq_.SequenceOn ? tr("Последовательность включена")
                                      : tr("Последовательность отключена"));
    QPalette colors = lblState->palette();
    colors.setColor(QPalette::WindowText, seq_.SequenceOn ? QColor(0, 0, 255) : QColor(255, 0, 0));
    lblState->setPalette(colors);
}

void frmSeq::DrawDest() {
    for (int i = 0; i < std::min<int>(seq_.FigureSequence.GetCount(), 10); ++i) {
        int k =
            std::min<int>(seq_.FigureSequence.GetValueItem(static_cast<std::uint8_t>(i + 1)), 6);
        cmdDest[i]->setIcon(cmdBase[k]->icon());
    }
}

void frmSeq::cmdBase_Click(int Index) {
    if (seq_.SequenceLength < 10) {
        cmdDest[seq_.SequenceLength]->show();
        seq_.FigureSequence.PutItem(static_cast<std::uint8_t>(Index));
        ++seq_.SequenceLength;
        DrawDest();
    }
    CheckCount();
}

void frmSeq::cmdDest_Click(int Index) {
    if (seq_.SequenceLength == 0) return;
    --seq_.SequenceLength;
    cmdDest[seq_.SequenceLength]->hide();
    seq_.FigureSequence.KillItem(static_cast<std::uint8_t>(Index + 1));
    DrawDest();
    CheckCount();
}

}  // namespace tumblix
