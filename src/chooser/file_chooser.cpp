// SPDX-License-Identifier: GPL-3.0-or-later
#include "chooser/file_chooser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "chooser/file_pattern.h"
#include "chooser/mounted_volumes.h"

namespace tumblix {

namespace {
// A file list in which moving the selection with the keyboard picks, as a click does.
class FileList final : public QListWidget {
  public:
    using QListWidget::QListWidget;
    std::function<void(QListWidgetItem*)> picked;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        QListWidgetItem* before = currentItem();
        QListWidget::keyPressEvent(e);
        if (currentItem() && currentItem() != before && picked) picked(currentItem());
    }
};

bool enterable(const QString& folder) {
    QDir d(folder);
    return d.exists() && d.isReadable();
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}
}  // namespace

QPointer<frmOpen> frmOpen::instance_;

frmOpen& frmOpen::shared() {
    if (!instance_) instance_ = new frmOpen();
    return *instance_;
}

void frmOpen::unload() {
    frmOpen* o = instance_;
    instance_ = nullptr;
    if (!o) return;
    if (o->isVisible()) o->done(Rejected);
    o->deleteLater();
}

QString frmOpen::choose(QWidget* owner, const QString& pattern, const QString& folder) {
    shared().AddictPattern = pattern;
    if (!folder.isEmpty()) shared().SetPath(folder);
    shared().showModal(owner);
    frmOpen& after = shared();
    return after.NameFile.isEmpty() ? QString() : after.PathToFile;
}

frmOpen::frmOpen() : EscProofDialog(nullptr) {
    setObjectName("frmOpen");
    setWindowRole(objectName());
    setWindowTitle(tr("Открыть"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    drvOpen_ = new QComboBox(this);
    drvOpen_->setObjectName("drvOpen");
    dirOpen_ = new QListWidget(this);
    dirOpen_->setObjectName("dirOpen");
    auto* files = new FileList(this);
    files->setObjectName("filOpen");
    files->picked = [this](QListWidgetItem* item) { filOpen_Click(item); };
    filOpen_ = files;
    auto* lists = new QVBoxLayout;
    lists->addWidget(dirOpen_);
    lists->addWidget(drvOpen_);
    auto* all = new QHBoxLayout(this);
    all->addWidget(filOpen_);
    all->addLayout(lists);
    resize(420, 260);

    drvOpen_->addItems(mountedVolumes());
    // A current folder that has gone away gives the program's folder, or the root.
    folder_ = QDir::currentPath();
    if (!enterable(folder_)) folder_ = enterable(programFolder()) ? programFolder() : "/";
    selectDrive(volumeOf(mountedVolumes(), folder_));
    pattern_ = effectivePattern(AddictPattern);
    fillFolders();
    fillFiles();
    connect(drvOpen_, &QComboBox::activated, this, [this] { drvOpen_Change(); });
    connect(dirOpen_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { dirOpen_Change(item->data(Qt::UserRole).toString()); });
    connect(filOpen_, &QListWidget::itemClicked, this, &frmOpen::filOpen_Click);
    connect(filOpen_, &QListWidget::itemDoubleClicked, this, &frmOpen::filOpen_Click);
}

void frmOpen::selectDrive(const QString& volume) {
    int i = drvOpen_->findText(volume);
    if (i < 0) {
        drvOpen_->addItem(volume);
        i = drvOpen_->count() - 1;
    }
    drvOpen_->setCurrentIndex(i);
}

// The folder list moves to the drive's current folder: the process's current folder when it
// lies on that drive, else the drive's root. A drive that cannot be read says so and the drive
// list goes back to the folder list's drive.
void frmOpen::drvOpen_Change() {
    QString drive = drvOpen_->currentText();
    QString current = QDir::currentPath();
    QString target = volumeOf({drive}, current) == drive ? current : drive;
    if (!enterable(target)) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                        tr("Устройство не готово"), QMessageBox::Ok, this);
        box.exec();
        selectDrive(volumeOf(mountedVolumes(), folder_));
        return;
    }
    dirOpen_Change(target);
}

void frmOpen::dirOpen_Change(const QString& folder) {
    if (!enterable(folder)) return;
    folder_ = QDir(folder).absolutePath();
    fillFolders();
    fillFiles();
}

// The path from the drive's root down to the folder, then the folder's subfolders, indented.
void frmOpen::fillFolders() {
    dirOpen_->clear();
    QString drive = drvOpen_->currentText();
    QStringList chain;
    for (QString p = QDir::cleanPath(folder_);;
         p = p.left(std::max<qsizetype>(p.lastIndexOf('/'), 1))) {
        chain.prepend(p);
        if (p == drive || p.size() <= 1) break;
    }
    int depth = 0;
    auto add = [this](const QString& path, int indent) {
        QString name = QDir(path).dirName();
        auto* item = new QListWidgetItem(QString(indent * 2, ' ') + (name.isEmpty() ? path : name));
        item->setData(Qt::UserRole, path);
        dirOpen_->addItem(item);
    };
    for (const QString& path : chain) add(path, depth++);
    dirOpen_->setCurrentRow(dirOpen_->count() - 1);
    QDir here(folder_);
    for (const QString& sub :
         here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(here.filePath(sub), depth);
}

void frmOpen::fillFiles() {
    filOpen_->clear();
    for (const QString& name : QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (matchesPattern(name, pattern_)) filOpen_->addItem(name);
}

void frmOpen::applyPattern() {
    QString wanted = effectivePattern(AddictPattern);
    if (wanted == pattern_) return;
    pattern_ = wanted;
    fillFiles();
}

void frmOpen::filOpen_Click(QListWidgetItem* item) {
    if (!item) return;
    PathToFile = folder_ + "/" + item->text();
    NameFile = item->text();
    AddictPattern.clear();
    done(Accepted);
}

void frmOpen::SetPath(const QString& sPath) {
    if (sPath.isEmpty() || !enterable(sPath) || !QDir::setCurrent(sPath)) {
        QDir::setCurrent(programFolder());
        return;
    }
    selectDrive(volumeOf(mountedVolumes(), QDir::currentPath()));
    dirOpen_Change(QDir::currentPath());
}

void frmOpen::showModal(QWidget* owner) {
    if (isVisible()) return;
    setParent(owner, windowFlags());
    applyPattern();
    filOpen_->clearSelection();
    filOpen_->setCurrentItem(nullptr);
    exec();
}

void frmOpen::paintEvent(QPaintEvent* e) {
    applyPattern();
    EscProofDialog::paintEvent(e);
}

// The close box unloads the chooser: the caller reads empty variables from the next one.
void frmOpen::closeEvent(QCloseEvent* e) {
    NameFile.clear();
    PathToFile.clear();
    if (instance_ == this) unload();
    EscProofDialog::closeEvent(e);
}

}  // namespace tumblix
