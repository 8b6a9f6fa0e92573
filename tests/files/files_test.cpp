#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "files/bounded_read.h"
#include "files/file_lock.h"
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

TEST(BoundedRead, ReadsRegularFilesUpToTheBound) {
    TempFolder folder;
    std::ofstream(folder / "f", std::ios::binary) << "12345";
    FileText five = readBoundedFile(folder / "f", 5);
    EXPECT_EQ(std::make_pair(five.text, five.status),
              std::pair(std::string("12345"), FileText::Status::Read));
    EXPECT_EQ(readBoundedFile(folder / "f", 4).status, FileText::Status::Unreadable);
    EXPECT_EQ(readBoundedFile(folder / "none").status, FileText::Status::Missing);
}

TEST(FileLock, OneHolderAtATimeAndNoWaitForever) {
    TempFolder folder;
    auto lock = folder / "t.lock";
    {
        FileLock first(lock);
        ASSERT_TRUE(first.held());
        EXPECT_FALSE(FileLock(lock, std::chrono::milliseconds(30)).held());
    }
    EXPECT_TRUE(FileLock(lock, std::chrono::milliseconds(0)).held());
    EXPECT_FALSE(FileLock(folder / "none/t.lock").held());
}

}  // namespace
}  // namespace tumblix::test
