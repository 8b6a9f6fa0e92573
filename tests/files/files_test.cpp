// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "files/bounded_read.h"
#include "files/file_lock.h"
#include "files/write_error_text.h"
#include "support/temp_folder.h"

namespace tumblix::test {
namespace {

TEST(Files, AtomicWritesReplaceOrLeaveTheFileAndSayWhyAndBoundedReadsCutOnlyPastTheBound) {
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
    EXPECT_TRUE(put("new") && fileBytes(file) == "new");
    // A folder in the way fails only at the rename; no temporary file is left behind. Each
    // reason a write fails is said in the player's words.
    std::filesystem::create_directory(folder / "dir");
    auto failed = writeFileAtomically(folder / "dir", [](std::ostream& out) { out << "x"; });
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);
    std::string said = writeErrorText(failed.error);
    for (int code : {EACCES, EPERM, ENOENT, ENOTDIR, EROFS, ENOSPC, EDQUOT, EIO, EBUSY})
        (said += "|") += writeErrorText({code, std::generic_category()});
    EXPECT_EQ(said,
              "на месте файла папка|нет прав на запись|нет прав на запись|папка не найдена|"
              "папка не найдена|диск только для чтения|нет места на диске|нет места на диске|"
              "ошибка ввода-вывода|ошибка 16 (Device or resource busy)");
    // A file of exactly the bound is read whole; one byte more is cut. Missing, unreadable and
    // irregular files are the settings' and the best-players table's cases.
    using Status = FileText::Status;
    std::ofstream(folder / "f", std::ios::binary) << "12345";
    FileText whole = readBoundedFile(folder / "f", 5), cut = readBoundedFile(folder / "f", 4);
    EXPECT_EQ(std::tuple(whole.status, whole.text, cut.status, cut.text),
              std::tuple(Status::Read, "12345", Status::Head, "1234"));
}

TEST(FileLock, OneHolderAtATimeAndNoWaitForever) {
    TempFolder folder;
    auto lock = folder / "t.lock";
    EXPECT_TRUE(FileLock(lock).held() && !FileLock(lock, std::chrono::milliseconds(30)).held());
    EXPECT_TRUE(FileLock(lock, std::chrono::milliseconds(0)).held());
    EXPECT_FALSE(FileLock(folder / "none/t.lock").held());
}

}  // namespace
}  // namespace tumblix::test
