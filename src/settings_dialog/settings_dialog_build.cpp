// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings_dialog/settings_dialog.h"
#include "widgets/figure_picture.h"
#include "widgets/slider.h"

namespace tumblix {

namespace {
constexpr int kVolumeMin = -2500, kVolumeMax = 0, kVolumeLarge = 1000, kVolumeTicks = 250;
constexpr int kFreqMin = 5000, kFreqMax = 75000, kFreqLarge = 5000, kFreqTicks = 2500;
constexpr int kChangeMax = 500, kChangeLarge = 2, kChangeTicks = 100;

template <class W>
W* named(W* w, const char* name, const QString& tip = {}) {
    w->setObjectName(name);
    w->setToolTip(tip);
    return w;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption) {
    return named(new QGroupBox(caption, parent), name);
}

Slider* volumeSlider(QWidget* parent, const char* name) {
    return new Slider(parent, name, kVolumeMin, kVolumeMax, kVolumeLarge, kVolumeTicks,
                      frmSettings::tr("Громкость"));
}

Slider* freqSlider(QWidget* parent, const char* name) {
    return new Slider(parent, name, kFreqMin, kFreqMax, kFreqLarge, kFreqTicks,
                      frmSettings::tr("Скорость воспроизведения"));
}

// A file's controls in a grid: the button and the name in the first row, the box, then the
// volume and frequency sliders.
void layFileControls(QGridLayout* g, QPushButton* open, QLabel* name, QCheckBox* off, Slider* vol,
                     Slider* freq) {
    g->addWidget(open, 0, 0);
    g->addWidget(name, 0, 1);
    g->addWidget(off, 1, 0, 1, 2);
    g->addWidget(vol, 2, 0, 1, 2);
    g->addWidget(freq, 3, 0, 1, 2);
}
}  // namespace

void frmSettings::buildVariant(int v, QWidget* parent) {
    static const char* const kNames[2][6] = {{"fraFirstVar", "cmdOpenFirst", "chkEnFirstVar",
                                              "sldVolBut1", "sldFreqBut1", "lblFirstVar"},
                                             {"fraSecondVar", "cmdOpenSecond", "chkEnSecondVar",
                                              "sldVolBut2", "sldFreqBut2", "lblSecondVar"}};
    const char* const* n = kNames[v];
    Variant& c = var_[static_cast<std::size_t>(v)];
    c.frame = frame(parent, n[0], v == 0 ? tr("Первый вариант") : tr("Второй вариант"));
    c.cmdOpen = named(new QPushButton(tr("Выбрать файл"), c.frame), n[1]);
    c.chkEn = named(new QCheckBox(tr("Выключить"), c.frame), n[2]);
    c.sldVol = volumeSlider(c.frame, n[3]);
    c.sldFreq = freqSlider(c.frame, n[4]);
    c.lbl = named(new QLabel("Empty", c.frame), n[5], tr("Имя wav-файла"));
    layFileControls(new QGridLayout(c.frame), c.cmdOpen, c.lbl, c.chkEn, c.sldVol, c.sldFreq);
}

QWidget* frmSettings::buildMusic() {
    QGroupBox* fraBkg = frame(this, "fraBkg", tr("Фоновая музыка"));
    cmdOpen = named(new QPushButton(tr("Выбрать файл"), fraBkg), "cmdOpen");
    chkEnable = named(new QCheckBox(tr("Выключить"), fraBkg), "chkEnable");
    sldVolBackgrnd = volumeSlider(fraBkg, "sldVolBackgrnd");
    sldFreq = freqSlider(fraBkg, "sldFreq");
    lblFile = named(new QLabel("Empty", fraBkg), "lblFile", tr("Имя wav-файла"));
    sldChange = new Slider(fraBkg, "sldChange", 0, kChangeMax, kChangeLarge, kChangeTicks,
                           tr("Скорость перехода звука из одной стороны в другую"));
    txtChange = named(new QLineEdit("Text1", fraBkg), "txtChange");
    txtChange->setMaximumWidth(80);
    auto* g = new QGridLayout(fraBkg);
    layFileControls(g, cmdOpen, lblFile, chkEnable, sldVolBackgrnd, sldFreq);
    g->addWidget(sldChange, 4, 0);
    g->addWidget(txtChange, 4, 1);
    return fraBkg;
}

void frmSettings::buildControls() {
    setObjectName("frmSettings");
    setWindowRole(objectName());
    setWindowTitle("Settings");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QGroupBox* frame2 = frame(this, "Frame2", tr("Последовательность"));
    cmdSeq =
        named(new QPushButton(frame2), "cmdSeq", tr("Задать последовательность появления фигурок"));
    cmdSeq->setIcon(figurePicture(5, logicalDpiX()));
    cmdSeq->setIconSize(figurePicture(5, logicalDpiX()).size());
    (new QVBoxLayout(frame2))->addWidget(cmdSeq);
    QGroupBox* frame1 = frame(this, "Frame1", tr("Сетка"));
    chkSetka = named(new QCheckBox(tr("Убрать"), frame1), "chkSetka");
    (new QVBoxLayout(frame1))->addWidget(chkSetka);
    QGroupBox* fraFant = frame(this, "fraFant", tr("Фантом"));
    auto* fant = new QVBoxLayout(fraFant);
    const QString kFant[3] = {tr("Hе показывать"), tr("Только при появлении Tumblix-фигурки"),
                              tr("Показывать всегда")};
    for (int i = 2; i >= 0; --i) {
        optFant[i] = new QRadioButton(kFant[i], fraFant);
        optFant[i]->setObjectName(QString("optFant(%1)").arg(i));
        fant->addWidget(optFant[i]);
    }
    auto* options = new QHBoxLayout;
    options->addWidget(frame2);
    options->addWidget(frame1);
    options->addWidget(fraFant);

    QGroupBox* fraButton = frame(this, "fraButton", tr("Основные события"));
    chkSoundControl =
        named(new QCheckBox(tr("Выкл. озвучивание осн. событий"), fraButton), "chkSoundControl");
    cmbListEvents = named(new QComboBox(fraButton), "cmbListEvents");
    buildVariant(0, fraButton);
    buildVariant(1, fraButton);
    auto* events = new QGridLayout(fraButton);
    events->addWidget(chkSoundControl, 0, 0);
    events->addWidget(cmbListEvents, 0, 1);
    events->addWidget(var_[0].frame, 1, 0);
    events->addWidget(var_[1].frame, 1, 1);

    cmdOk = named(new QPushButton("OK", this), "cmdOk");
    auto* all = new QVBoxLayout(this);
    all->addLayout(options);
    all->addWidget(fraButton);
    all->addWidget(buildMusic());
    all->addWidget(cmdOk, 0, Qt::AlignRight);
    // The second variant's place stays kept while it is hidden.
    QSizePolicy keep = var_[1].frame->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    var_[1].frame->setSizePolicy(keep);
}

}  // namespace tumblix
