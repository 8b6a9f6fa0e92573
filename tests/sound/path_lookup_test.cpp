#include "sound/path_lookup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tumblix {
namespace {

TEST(PathLookup, ComponentsAreFoundIgnoringCase) {
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath("sound");
    for (const char* f : {"sound/left1.WAV", "sound/BkgMusic.wav"}) {
        QFile file(tmp.filePath(f));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    std::string root = tmp.path().toStdString();
    const std::pair<std::string, std::string> cases[] = {
        {"/sound/left1.WAV", "/sound/left1.WAV"},
        {"/Sound/BkgMusic.wav", "/sound/BkgMusic.wav"},
        {"/sound/left1.wav", "/sound/left1.WAV"},
        {"\\SOUND\\LEFT1.wav", "/sound/left1.WAV"},
        {"/sound/./Left1.wav", "/sound/./left1.WAV"},
        {"\\sound\\right1.WAV", "/sound/right1.WAV"},  // missing: only the separators change
        {"/SOUND/gone/left1.WAV", "/SOUND/gone/left1.WAV"},
    };
    for (const auto& [written, found] : cases)
        EXPECT_EQ(findSoundFile(root + written), root + found) << written;
    EXPECT_EQ(findSoundFile(""), "");
}

}  // namespace
}  // namespace tumblix
