// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tumblix {

namespace {

FileText::Status whyNot(int error) {
    return error == ENOENT ? FileText::Status::Missing : FileText::Status::Unreadable;
}

}  // namespace

FileText readBoundedFile(const std::filesystem::path& path, std::size_t limit) {
    FileText result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.status = whyNot(errno);
        return result;
    }
    result.status = FileText::Status::NotAFile;
    if (!S_ISREG(st.st_mode)) return result;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.status = whyNot(errno);
        return result;
    }
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {  // not replaced in between
        // One byte past the bound tells a file that holds more.
        std::string text(limit + 1, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < text.size() && ((n = ::read(fd, text.data() + got, text.size() - got)) > 0 ||
                                     (n < 0 && errno == EINTR)))
            if (n > 0) got += static_cast<std::size_t>(n);
        result.status = FileText::Status::Unreadable;
        if (n >= 0) {
            result.status = got > limit ? FileText::Status::Head : FileText::Status::Read;
            text.resize(std::min(got, limit));
            result.text = std::move(text);
        }
    }
    ::close(fd);
    return result;
}

}  // namespace tumblix
