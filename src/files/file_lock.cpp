// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>

namespace tumblix {

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait) {
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ < 0) return;
    auto end = std::chrono::steady_clock::now() + wait;
    while (!(held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0) &&
           std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    if (held_) ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

}  // namespace tumblix
