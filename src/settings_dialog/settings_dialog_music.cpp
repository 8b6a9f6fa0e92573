// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <limits>

#include "base/main_module.h"
#include "chooser/file_chooser.h"
#include "chooser/file_names.h"
#include "settings/value_text.h"
#include "settings_dialog/settings_dialog.h"
#include "widgets/slider.h"

namespace tumblix {

namespace {
constexpr int kMaxSpeedChange = 500;

// The text's leading number rounded to a whole 16-bit number; one too large for that counts
// as above the slider's maximum, one too small as the smallest.
int speedOf(const QString& text) {
    double n = readNumber(text.toStdString());
    if (auto v = rounded<std::int16_t>(n)) return *v;
    return n > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<std::int16_t>::min();
}
}  // namespace

// Ticked stops the music, unticked plays it on.
void frmSettings::chkEnable_Click() {
    if (chkEnable->isChecked()) {
        sounds_.music.StopBkgMusic();
        sounds_.settings.EnableLoop = false;
    } else {
        sounds_.music.ResumeBkgMusic();
        sounds_.settings.EnableLoop = true;
    }
}

void frmSettings::sldVolBackgrnd_Scroll() {
    const int v = sldVolBackgrnd->value();
    sounds_.music.SetBkgVolume(static_cast<std::int16_t>(v));
    sounds_.settings.VolumeBkgMusic = static_cast<std::int16_t>(v);
    cmdOk->setFocus();
}

void frmSettings::sldFreq_MouseUp() {
    sounds_.music.SetBkgFreq(sldFreq->value());
    sounds_.settings.freq = sldFreq->value();
}

// A new music file plays from its beginning at its own rate as soon as it is opened, whether or
// not the music is switched off.
void frmSettings::cmdOpen_Click() {
    SoundState& s = sounds_.settings;
    frmOpen::shared().AddictPattern.clear();
    QString start = sounds_.music.bFailedDS ? GetFolderPath(QCoreApplication::applicationDirPath())
                                            : soundFolder(QString::fromStdString(s.PathToBkgMusic));
    frmOpen::shared().SetPath(start);
    frmOpen::shared().showModal(this);
    const frmOpen& picked = frmOpen::shared();
    if (picked.NameFile.isEmpty()) return;
    lblFile->setText(QString::fromStdString(ShortenPath(picked.NameFile.toStdString(), 35)));
    s.PathToBkgMusic = picked.PathToFile.toStdString();
    sounds_.music.PlayBkgMusic(s.PathToBkgMusic, [this, shown = QPointer(this)](bool opened) {
        if (!shown) return;
        if (!opened) {
            lblFile->setText("Empty");
            sldFreq->setCodeValue(0);
            return;
        }
        sldFreq->setCodeValue(sounds_.music.GetBkgFreq());
        sounds_.music.SetBkgVolume(static_cast<std::int16_t>(sldVolBackgrnd->value()));
    });
}

void frmSettings::sldChange_Scroll() {
    const int v = sldChange->value();
    sounds_.settings.SpeedChange = static_cast<std::int16_t>(v);
    txtChange->setText(QString::number(v));
    if (v == 0) sounds_.settings.ForLoop = 0;
}

// Above the slider's maximum the text becomes that maximum, selected whole.
void frmSettings::txtChange_Change() {
    const int v = speedOf(txtChange->text());
    if (v <= kMaxSpeedChange) {
        sounds_.settings.SpeedChange = static_cast<std::int16_t>(v);
    } else {
        txtChange->setText(QString::number(kMaxSpeedChange));
        txtChange->selectAll();
    }
    const int now = speedOf(txtChange->text());
    sldChange->setCodeValue(now);
    if (now == 0) sounds_.settings.ForLoop = 0;
}

}  // namespace tumblix
