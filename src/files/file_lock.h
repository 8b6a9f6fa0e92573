// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>

namespace tumblix {

// An exclusive lock on a lock file beside a shared file, held for the object's life, so that
// copies of the game sharing one folder take turns at re-reading and rewriting it. A lock
// left by a copy that crashed goes with that copy. When the lock cannot be had within the
// wait (a copy stuck, or a folder where no lock file can be made), the caller goes on
// without it rather than hang.
class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& lockFile,
                      std::chrono::milliseconds wait = std::chrono::seconds(3));
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace tumblix
