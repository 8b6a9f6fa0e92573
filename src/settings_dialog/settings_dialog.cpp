// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "base/main_module.h"
#include "chooser/file_chooser.h"
#include "chooser/file_names.h"
#include "sequence/sequence_editor.h"
#include "settings_dialog/event_sounds.h"
#include "sound/path_lookup.h"
#include "widgets/slider.h"

namespace tumblix {

namespace {
QString shortened(const QString& text, int maxLen) {
    return QString::fromStdString(ShortenPath(text.toStdString(), maxLen));
}
}  // namespace

frmSettings::frmSettings(QWidget* owner, SettingsTarget& target)
    : EscProofDialog(owner),
      game_(target.gameSettings()),
      sounds_(target.soundSystem()),
      sequence_(target.figureSequence()) {
    buildControls();
    // No button is the default one: Enter in a box or on the list presses nothing.
    for (auto* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
    wireControls();
    Form_Load();
}

void frmSettings::wireControls() {
    connect(cmbListEvents, &QComboBox::currentIndexChanged, this,
            &frmSettings::cmbListEvents_Click);
    for (int v = 0; v < 2; ++v) {
        Variant& c = var_[static_cast<std::size_t>(v)];
        connect(c.chkEn, &QCheckBox::toggled, this,
                [this, v](bool ticked) { SetEventSoundProperty(!ticked, 0, v); });
        // The first volume slider acts when the mouse comes up over it, the second on its click.
        connect(c.sldVol, v == 0 ? &Slider::MouseUp : &Slider::Click, this,
                [this, v, &c] { SetEventSoundProperty(c.sldVol->value(), 2, v); });
        connect(c.sldFreq, &Slider::MouseUp, this,
                [this, v, &c] { SetEventSoundProperty(c.sldFreq->value(), 3, v); });
        connect(c.cmdOpen, &QPushButton::clicked, this, [this, v] { cmdOpenVariant_Click(v); });
    }
    connect(chkEnable, &QCheckBox::toggled, this, &frmSettings::chkEnable_Click);
    connect(sldVolBackgrnd, &Slider::Scroll, this, &frmSettings::sldVolBackgrnd_Scroll);
    connect(sldFreq, &Slider::MouseUp, this, &frmSettings::sldFreq_MouseUp);
    connect(cmdOpen, &QPushButton::clicked, this, &frmSettings::cmdOpen_Click);
    connect(sldChange, &Slider::Scroll, this, &frmSettings::sldChange_Scroll);
    connect(txtChange, &QLineEdit::textChanged, this, &frmSettings::txtChange_Change);
    connect(chkSoundControl, &QCheckBox::toggled, this,
            [this](bool ticked) { sounds_.settings.EnableSoundControl = !ticked; });
    connect(chkSetka, &QCheckBox::toggled, this,
            [this](bool ticked) { game_.bDrawSetka = !ticked; });
    for (int i = 0; i < 3; ++i)
        connect(optFant[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) game_.iFantom = i;
        });
    connect(cmdSeq, &QPushButton::clicked, this, &frmSettings::cmdSeq_Click);
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::close);
}

void frmSettings::Form_Load() {
    SoundState& s = sounds_.settings;
    sldVolBackgrnd->setCodeValue(sounds_.music.MusicVolume);
    chkEnable->setChecked(!s.EnableLoop);
    chkSoundControl->setChecked(!s.EnableSoundControl);
    if (!sounds_.music.bFailedDS)
        lblFile->setText(shortened(GetFileName(QString::fromStdString(s.PathToBkgMusic)), 35));
    {
        QSignalBlocker quiet(cmbListEvents);
        cmbListEvents->addItems(eventTexts());
        cmbListEvents->setCurrentIndex(0);
    }
    cmbListEvents_Click();
    sldChange->setCodeValue(s.SpeedChange);
    txtChange->setText(QString::number(sldChange->value()));
    sldFreq->setCodeValue(s.freq);
    optFant[static_cast<std::size_t>(std::clamp(game_.iFantom, 0, 2))]->setChecked(true);
    chkSetka->setChecked(!game_.bDrawSetka);
}

clsDMCtrl* frmSettings::currentObject(int v) {
    std::optional<Sound> s = eventSound(cmbListEvents->currentText(), v);
    return s ? &sounds_.object(*s) : nullptr;
}

void frmSettings::SetSoundProperty(clsDMCtrl* object, const QVariant& value, int index) {
    if (!object) return;
    switch (index) {
        case 0:
            return object->DMCtrlEnabled(value.toBool());
        case 1:
            return object->DMCtrlPath(value.toString().toStdString());
        case 2:
            return object->DMCtrlVolume(static_cast<std::int16_t>(value.toInt()));
        case 3:
            return object->DMCtrlFreq(value.toInt());
        default:
            return;
    }
}

void frmSettings::SetEventSoundProperty(const QVariant& value, int index, int v) {
    SetSoundProperty(currentObject(v), value, index);
}

QString frmSettings::GetEventSoundPath(int v) {
    clsDMCtrl* o = currentObject(v);
    return o ? QString::fromStdString(o->DMCtrlPath()) : QString();
}

QString frmSettings::soundFolder(const QString& path) {
    return QString::fromStdString(findSoundFile(GetFolderPath(path).toStdString()));
}

void frmSettings::showVariant(int v, clsDMCtrl& object) {
    Variant& c = var_[static_cast<std::size_t>(v)];
    c.lbl->setText(shortened(GetFileName(QString::fromStdString(object.DMCtrlPath())), 25));
    c.sldVol->setCodeValue(object.DMCtrlVolume());
    c.sldFreq->setCodeValue(object.DMCtrlFreq());
    c.chkEn->setChecked(!object.DMCtrlEnabled());
}

void frmSettings::cmbListEvents_Click() {
    const QString text = cmbListEvents->currentText();
    const bool two = hasSecondVariant(text);
    var_[1].frame->setVisible(two);
    if (clsDMCtrl* first = currentObject(0)) ShowFirstVariant(*first);
    if (two) ShowSecondVariant(*currentObject(1));
}

void frmSettings::cmdOpenVariant_Click(int v) {
    frmOpen::shared().SetPath(soundFolder(GetEventSoundPath(v)));
    frmOpen::shared().showModal(this);
    const frmOpen& picked = frmOpen::shared();
    if (picked.NameFile.isEmpty()) return;
    var_[static_cast<std::size_t>(v)].lbl->setText(shortened(picked.NameFile, 25));
    SetEventSoundProperty(picked.PathToFile, 1, v);
}

void frmSettings::cmdSeq_Click() {
    frmSeq editor(parentWidget(), sequence_);
    editor.exec();
}

// Closing by "OK" or the close box takes the file chooser away first.
void frmSettings::closeEvent(QCloseEvent* e) {
    frmOpen::unload();
    EscProofDialog::closeEvent(e);
}

}  // namespace tumblix
