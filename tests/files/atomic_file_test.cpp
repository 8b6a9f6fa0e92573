#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

TEST(AtomicFile, ReplacesTheFileOrLeavesItAsItWas) {
    TempFolder folder;
    auto file = folder / "settings.ini";
    auto put = [&](const char* text) {
        return writeFileAtomically(file, [&](std::ostream& out) { out << text; });
    };
    ASSERT_TRUE(put("old"));
    EXPECT_FALSE(writeFileAtomically(file, [](std::ostream& out) {
        out << "half";
        out.setstate(std::ios::badbit);  // the disk filled up
    }));
    EXPECT_EQ(fileBytes(file), "old");
    EXPECT_TRUE(put("new"));
    EXPECT_EQ(fileBytes(file), "new");
    EXPECT_FALSE(writeFileAtomically(folder / "no/f", [](std::ostream& out) { out << "x"; }));
    // A folder in the way fails only at the rename; no temporary file is left behind.
    std::filesystem::create_directory(folder / "dir");
    EXPECT_FALSE(writeFileAtomically(folder / "dir", [](std::ostream& out) { out << "x"; }));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);
}

}  // namespace
}  // namespace tumblix::test
