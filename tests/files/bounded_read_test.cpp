#include <gtest/gtest.h>

#include <fstream>

#include "files/bounded_read.h"
#include "files/file_lock.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

using Status = FileText::Status;

TEST(BoundedRead, ReadsRegularFilesUpToTheBound) {
    TempFolder folder;
    auto file = folder / "f";
    std::ofstream(file, std::ios::binary) << "12345";
    EXPECT_EQ(readBoundedFile(file, 5).text, "12345");
    EXPECT_EQ(readBoundedFile(file, 5).status, Status::Read);
    EXPECT_EQ(readBoundedFile(file, 4).status, Status::Unreadable);
    EXPECT_EQ(readBoundedFile(folder / "none").status, Status::Missing);
}

TEST(FileLock, OneHolderAtATimeAndNoWaitForever) {
    TempFolder folder;
    auto lock = folder / "t.lock";
    {
        FileLock first(lock);
        ASSERT_TRUE(first.held());
        FileLock second(lock, std::chrono::milliseconds(30));
        EXPECT_FALSE(second.held());
    }
    EXPECT_TRUE(FileLock(lock, std::chrono::milliseconds(0)).held());
    EXPECT_FALSE(FileLock(folder / "none/t.lock").held());
}

}  // namespace
}  // namespace tumblix::test
