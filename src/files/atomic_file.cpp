// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <sstream>
#include <string>
#include <thread>

namespace tumblix {

namespace {
std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Writes all of text to fd; the reason when that fails.
std::error_code writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            return n < 0 ? lastError() : std::make_error_code(std::errc::no_space_on_device);
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0 ? std::error_code{} : lastError();
}
}  // namespace

WriteResult writeFileAtomically(const std::filesystem::path& path,
                                const std::function<void(std::ostream&)>& write) {
    try {
        std::ostringstream text;
        write(text);
        if (!text) return {std::make_error_code(std::errc::io_error)};
        // A name of its own, so that two running copies saving at once do not share it.
        std::uint64_t stamp = static_cast<std::uint64_t>(
                                  std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              std::hash<std::thread::id>{}(std::this_thread::get_id()) ^
                              static_cast<std::uint64_t>(::getpid());
        std::filesystem::path temp = path;
        temp += ".";
        temp += std::to_string(stamp % 1000000007u);
        temp += ".tmp";
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) return {lastError()};
        std::error_code error = writeAll(fd, text.str());
        if (::close(fd) != 0 && !error) error = lastError();
        if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = lastError();
        if (error) ::unlink(temp.c_str());
        return {error};
    } catch (...) {
        return {std::make_error_code(std::errc::not_enough_memory)};
    }
}

}  // namespace tumblix
