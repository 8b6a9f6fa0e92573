#include "sequence/sequence_editor.h"

#include <QCheckBox>
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

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    f->setGeometry(place);
    return f;
}
}  // namespace

frmSeq::frmSeq(QWidget* owner, SequenceState& sequence) : EscProofDialog(owner), seq_(sequence) {
    setObjectName("frmSeq");
    setWindowRole(objectName());
    setWindowTitle("Определение последовательности появления фигурок");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Twips tw = Twips::of(*this);
    const int width = 2 * kMarginTwips + 10 * kPitchTwips;
    auto* frame1 = frame(this, "Frame1", "Последовательность появления фигурок",
                         tw.rect(120, 120, width, 960));
    for (int i = 0; i < 10; ++i) {
        cmdDest[i] = pictureButton(frame1, "cmdDest", i, tw);
        cmdDest[i]->hide();
        connect(cmdDest[i], &QPushButton::clicked, this, [this, i] { cmdDest_Click(i); });
    }
    auto* frame2 = frame(this, "Frame2", "Доступные фигурки", tw.rect(120, 1200, 4440, 960));
    for (int k = 0; k < 7; ++k) {
        cmdBase[k] = pictureButton(frame2, "cmdBase", k, tw);
        cmdBase[k]->setIcon(figurePicture(k, logicalDpiX()));
        connect(cmdBase[k], &QPushButton::clicked, this, [this, k] { cmdBase_Click(k); });
    }
    auto label = [&](const QString& text, QRect place) {
        auto* l = new QLabel(text, this);
        l->setObjectName("Label1");
        l->setWordWrap(true);
        l->setGeometry(place);
        return l;
    };
    label("Для добавления фигурки в последовательность щелкните на ней в Доступных фигурках",
          tw.rect(4680, 1260, width - 4560, 900));
    label("Для удаления фигурки - щелкните на ней в Последовательности появления фигурок",
          tw.rect(120, 2280, 4440, 480));
    chkRandom = new QCheckBox("Выводить последовательность в случайном порядке", this);
    chkRandom->setObjectName("chkRandom");
    chkRandom->setGeometry(tw.rect(120, 2820, 4440, 300));
    cmdOK = new QPushButton("Включить", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(tw.rect(4680, 2280, 1500, 400));
    cmdNo = new QPushButton("Отключить", this);
    cmdNo->setObjectName("cmdNo");
    cmdNo->setGeometry(tw.rect(4680, 2760, 1500, 400));
    lblState = new QLabel(this);
    lblState->setObjectName("lblState");
    lblState->setAlignment(Qt::AlignCenter);
    lblState->setGeometry(tw.rect(120, 3240, width, 300));
    setFixedSize(tw.x(width + 240), tw.y(3660));

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
    lblState->setText(seq_.SequenceOn ? "Последовательность включена"
                                      : "Последовательность отключена");
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
