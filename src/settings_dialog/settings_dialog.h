// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>
#include <array>
#include <functional>

#include "settings_dialog/settings_target.h"
#include "widgets/esc_proof_dialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tumblix {

class Slider;

// "Settings": the event sounds, the background music, the grid and the ghost, and the way to
// the sequence editor. Every control acts at once on the game's and the sound system's values;
// "OK" only closes. The values reach the settings file at the program's exit. The ticked boxes
// "Убрать", "Выключить" and "Выкл. озвучивание осн. событий" mean off.
class frmSettings : public EscProofDialog {
    Q_OBJECT
  public:
    // owner: the owner of the dialog and of the sequence editor; target: what the controls
    // change.
    frmSettings(QWidget* owner, SettingsTarget& target);

    // The controls of one sound variant: 0 the first ("Первый вариант"), 1 the second.
    struct Variant {
        QGroupBox* frame;
        QPushButton* cmdOpen;
        QCheckBox* chkEn;
        Slider* sldVol;
        Slider* sldFreq;
        QLabel* lbl;
    };

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildControls();
    void buildVariant(int v, QWidget* parent);
    QWidget* buildMusic();
    void wireControls();
    void Form_Load();

    // The sound objects behind the list's current text.
    clsDMCtrl* currentObject(int v);
    void SetSoundProperty(clsDMCtrl* object, const QVariant& value, int index);
    void SetEventSoundProperty(const QVariant& value, int index, int v);
    QString GetEventSoundPath(int v);
    // The folder of a sound's path as it lies on disk: the sound system finds its files
    // ignoring letter case, so the chooser starts in the folder found the same way.
    static QString soundFolder(const QString& path);
    void ShowFirstVariant(clsDMCtrl& object) { showVariant(0, object); }
    void ShowSecondVariant(clsDMCtrl& object) { showVariant(1, object); }
    void showVariant(int v, clsDMCtrl& object);

    void cmbListEvents_Click();
    void cmdOpenVariant_Click(int v);
    void chkEnable_Click();
    void sldVolBackgrnd_Scroll();
    void sldFreq_MouseUp();
    void cmdOpen_Click();
    void sldChange_Scroll();
    void txtChange_Change();
    void cmdSeq_Click();

    GameSettings& game_;
    SoundSystem& sounds_;
    SequenceState& sequence_;

    QPushButton* cmdSeq;
    QCheckBox* chkSetka;
    std::array<QRadioButton*, 3> optFant{};
    QCheckBox* chkSoundControl;
    QComboBox* cmbListEvents;
    std::array<Variant, 2> var_{};
    QCheckBox* chkEnable;
    Slider* sldVolBackgrnd;
    Slider* sldFreq;
    QLabel* lblFile;
    QPushButton* cmdOpen;
    Slider* sldChange;
    QLineEdit* txtChange;
    QPushButton* cmdOk;
};

}  // namespace tumblix
