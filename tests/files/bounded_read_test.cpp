#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "files/bounded_read.h"
#include "files/file_lock.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

using Status = FileText::Status;

TEST(BoundedRead, RegularFilesUpToTheBoundAndNothingElse) {
    TempFolder folder;
    auto file = folder / "f";
    std::ofstream(file, std::ios::binary) << "12345";
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder / "fifo", folder / "link");
    const struct {
        std::filesystem::path path;
        std::size_t limit;
        Status status;
        const char* text;
    } cases[] = {
        {file, 5, Status::Read, "12345"},           {file, 4, Status::Head, "1234"},
        {folder / "none", 5, Status::Missing, ""},  {folder / "fifo", 5, Status::NotAFile, ""},
        {folder / "link", 5, Status::NotAFile, ""}, {folder.path, 5, Status::NotAFile, ""}};
    for (const auto& c : cases) {
        FileText read = readBoundedFile(c.path, c.limit);
        EXPECT_EQ(read.status, c.status) << c.path << " " << c.limit;
        EXPECT_EQ(read.text, c.text) << c.path << " " << c.limit;
    }
    std::filesystem::permissions(file, std::filesystem::perms::none);
    asOrdinaryUser([&] { EXPECT_EQ(readBoundedFile(file).status, Status::Unreadable); });
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
