// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/path_lookup.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace tumblix {
namespace {

TEST(PathLookup, ComponentsAreFoundIgnoringCase) {
    QTemporaryDir tmp;
    std::string root = tmp.path().toStdString();
    std::filesystem::create_directory(root + "/sound");
    std::ofstream(root + "/sound/left1.WAV");
    std::ofstream(root + "/sound/BkgMusic.wav");
    const std::pair<const char*, const char*> cases[] = {
        {"/sound/left1.WAV", "/sound/left1.WAV"},
        {"/Sound/BkgMusic.wav", "/sound/BkgMusic.wav"},
        {"\\SOUND\\LEFT1.wav", "/sound/left1.WAV"},
        {"/sound/./Left1.wav", "/sound/./left1.WAV"},
        {"\\sound\\right1.WAV", "/sound/right1.WAV"},  // missing: only the separators change
        {"/SOUND/gone/left1.WAV", "/SOUND/gone/left1.WAV"}};
    for (auto [written, found] : cases)
        EXPECT_EQ(findSoundFile(root + written), root + found) << written;
}

}  // namespace
}  // namespace tumblix
