#include "files/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tumblix {

FileText readBoundedFile(const std::filesystem::path& path, std::size_t limit) {
    FileText result;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.status = errno == ENOENT ? FileText::Status::Missing : FileText::Status::Unreadable;
        return result;
    }
    result.status = FileText::Status::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) <= limit) {
        // One byte past the bound is asked for, in case the file grew since fstat.
        std::string text(limit + 1, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < text.size() && ((n = ::read(fd, text.data() + got, text.size() - got)) > 0 ||
                                     (n < 0 && errno == EINTR)))
            if (n > 0) got += static_cast<std::size_t>(n);
        if (n == 0) {
            text.resize(got);
            result = {FileText::Status::Read, std::move(text)};
        }
    }
    ::close(fd);
    return result;
}

}  // namespace tumblix
