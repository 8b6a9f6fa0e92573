// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/file_chooser.h"
#include "chooser/file_names.h"
#include "chooser/file_pattern.h"
#include "chooser/mounted_volumes.h"
#include "chooser/pick_file.h"

namespace tumblix::testing {
namespace {

TEST(Chooser, PatternsIgnoreCaseAndAPickResetsThem) {
    using C = std::tuple<const char*, const char*, bool>;
    for (auto [name, pattern, match] :
         {C{"LEFT1.WAV", "*.wav", true}, C{"a.wav.bak", "*.wav", false},
          C{"b.mp2", "*.wma;*.mp3;*.mp2", true}, C{"b.mp2", " ; ", false},
          C{"ab.wav", "a?.wav", true}, C{"abc.wav", "a?.wav", false}, C{"aXbXc", "a*b*c", true},
          C{"aXbX", "a*b*c", false}})
        EXPECT_EQ(matchesPattern(name, pattern), match) << name << " " << pattern;
    EXPECT_EQ(GetFileName("/a/b/left1.WAV") + GetFileName("") + GetFileName("/a/.wav"), "left1");
    EXPECT_EQ(GetFolderPath("/a/b/left1.WAV") + "|" + GetFolderPath("noslash"), "/a/b/|");
    // A folder lies on the longest volume that holds it whole.
    EXPECT_EQ(volumeOf({"/home", "/mnt/ab", "/"}, "/mnt/ab/c") + volumeOf({"/mnt/ab"}, "/mnt/abc"),
              "/mnt/ab/");
    QTemporaryDir dir;
    for (const char* f : {"x.WAV", "x.wave", "tune.MP3", "c.wma"})
        QFile(dir.filePath(f)).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("sub");
    QString picked;
    QStringList listed =
        pickFile([&] { picked = frmOpen::choose(nullptr, "*.wma;*.mp3", dir.path()); }, "tune.MP3");
    EXPECT_EQ(std::pair(listed, picked),
              std::pair(QStringList{"c.wma", "tune.MP3"}, dir.path() + "/tune.MP3"));
    // The folder list: the path from the root, each step indented, the folder current, then its
    // subfolders.
    auto* dirs = frmOpen::shared().findChild<QListWidget*>("dirOpen");
    QString indent(2 * dir.path().count('/'), ' ');
    QStringList below;
    for (int i = dirs->currentRow(); i < dirs->count(); ++i) below << dirs->item(i)->text();
    EXPECT_EQ(below, (QStringList{indent + QDir(dir.path()).dirName(), indent + "  sub"}));
    // The pick cleared the pattern: shown again as it is, the chooser lists wave files.
    EXPECT_EQ(pickFile([&] { frmOpen::shared().showModal(nullptr); }, ""), QStringList{"x.WAV"});
    frmOpen::shared().SetPath(dir.filePath("missing"));
    EXPECT_EQ(QDir::currentPath(), QDir(QCoreApplication::applicationDirPath()).absolutePath());
}

}  // namespace
}  // namespace tumblix::testing
