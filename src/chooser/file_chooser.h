// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

#include "widgets/esc_proof_dialog.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace tumblix {

// "Открыть": the game's own file chooser. Three linked lists: the drive list drvOpen (mounted
// volumes), the folder list dirOpen (double click or Enter enters a folder) and the file list
// filOpen (the files of that folder matching the pattern). A single click on a file, or moving
// to it with the keyboard, picks it and hides the chooser; there is no OK and no Cancel.
//
// There is one chooser for the whole program, reached through shared(). A caller:
//   frmOpen& o = frmOpen::shared();
//   o.AddictPattern = "*.wma;*.mp3;*.mp2";    // "" lists "*.wav"
//   o.SetPath(folder);                        // optional
//   o.showModal(owner);
//   frmOpen& after = frmOpen::shared();       // the chooser may have been unloaded meanwhile
//   if (!after.NameFile.isEmpty()) use(after.PathToFile);
// or, in one call, frmOpen::choose(owner, pattern, folder), which returns PathToFile or "".
// After a pick the chooser is only hidden and keeps its lists; its close box unloads it (the
// caller then sees no file), and so does unload(), which the settings dialog calls as it closes.
class frmOpen : public EscProofDialog {
    Q_OBJECT
  public:
    // The one chooser, loaded at its first reference.
    static frmOpen& shared();
    static bool loaded() { return !instance_.isNull(); }
    // Unloads the chooser (closing it if shown); the next reference loads it with empty
    // variables, its folder list on the current folder.
    static void unload();
    // The whole sequence of a caller; the picked file's full path, "" when nothing was picked.
    static QString choose(QWidget* owner, const QString& pattern, const QString& folder = {});

    QString AddictPattern;  // "" means "*.wav"; cleared by every pick
    QString NameFile;       // the picked file's name; "" when nothing was picked
    QString PathToFile;     // the folder list's folder, "/", and the name

    // Makes sPath the current folder and puts the drive and folder lists on it. A folder that
    // cannot be entered makes the program's folder current and leaves the lists alone.
    void SetPath(const QString& sPath);
    // Shows the chooser modally, owned by owner, until a pick or its close box.
    void showModal(QWidget* owner);

    // For the callers' tests: the lists' current state.
    QString folder() const { return folder_; }
    QString pattern() const { return pattern_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    frmOpen();
    void drvOpen_Change();
    void dirOpen_Change(const QString& folder);
    void filOpen_Click(QListWidgetItem* item);
    void fillFolders();
    void fillFiles();
    void applyPattern();
    void selectDrive(const QString& volume);

    static QPointer<frmOpen> instance_;
    QComboBox* drvOpen_;
    QListWidget* dirOpen_;
    QListWidget* filOpen_;
    QString folder_;
    QString pattern_;
};

}  // namespace tumblix
