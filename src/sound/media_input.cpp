// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/media_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace tumblix {

namespace {

constexpr int kBufferBytes = 32768;

class FileInput final : public MediaInput {
  public:
    explicit FileInput(int fd) : fd_(fd) {}
    ~FileInput() override { ::close(fd_); }

  protected:
    long readAt(std::uint8_t* to, int size) override {
        ssize_t n;
        do n = ::read(fd_, to, static_cast<std::size_t>(size));
        while (n < 0 && errno == EINTR);
        return n;
    }
    std::int64_t seekTo(std::int64_t offset, int whence) override {
        return ::lseek(fd_, offset, whence);
    }
    std::int64_t size() const override {
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? st.st_size : -1;
    }

  private:
    int fd_;
};

class MemoryInput final : public MediaInput {
  public:
    explicit MemoryInput(std::string data) : data_(std::move(data)) {}

  protected:
    long readAt(std::uint8_t* to, int size) override {
        std::size_t n = std::min(static_cast<std::size_t>(size), data_.size() - at_);
        std::memcpy(to, data_.data() + at_, n);
        at_ += n;
        return static_cast<long>(n);
    }
    std::int64_t seekTo(std::int64_t offset, int whence) override {
        std::int64_t from = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? static_cast<std::int64_t>(at_)
                                                 : size();
        if (offset > size() - from || offset < -from) return -1;
        at_ = static_cast<std::size_t>(from + offset);
        return static_cast<std::int64_t>(at_);
    }
    std::int64_t size() const override { return static_cast<std::int64_t>(data_.size()); }

  private:
    std::string data_;
    std::size_t at_ = 0;
};

}  // namespace

MediaInput::MediaInput() {
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    if (buffer)
        io_ = avio_alloc_context(buffer, kBufferBytes, 0, this, readPacket, nullptr, seekPacket);
    if (!io_) av_free(buffer);
}

MediaInput::~MediaInput() {
    if (io_) av_freep(&io_->buffer);
    avio_context_free(&io_);
}

std::unique_ptr<MediaInput> MediaInput::file(const std::string& path) {
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return nullptr;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {  // replaced in between
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<FileInput>(fd);
}

std::unique_ptr<MediaInput> MediaInput::bytes(std::string data) {
    return std::make_unique<MemoryInput>(std::move(data));
}

void MediaInput::bound(std::int64_t bytes, std::chrono::steady_clock::time_point deadline) {
    budget_ = bytes;
    deadline_ = deadline;
}

void MediaInput::unbound() {
    bound(-1, std::chrono::steady_clock::time_point::max());
}

bool MediaInput::stopped() const {
    return budget_ == 0 || (stop_ && *stop_) ||
           (deadline_ != std::chrono::steady_clock::time_point::max() &&
            std::chrono::steady_clock::now() > deadline_);
}

int MediaInput::readPacket(void* opaque, std::uint8_t* to, int size) {
    auto* in = static_cast<MediaInput*>(opaque);
    if (in->stopped()) return AVERROR_EXIT;
    if (in->budget_ > 0) size = static_cast<int>(std::min<std::int64_t>(size, in->budget_));
    long n = in->readAt(to, size);
    if (n < 0) return AVERROR(EIO);
    if (n == 0) return AVERROR_EOF;
    if (in->budget_ > 0) in->budget_ -= n;
    return static_cast<int>(n);
}

std::int64_t MediaInput::seekPacket(void* opaque, std::int64_t offset, int whence) {
    auto* in = static_cast<MediaInput*>(opaque);
    if (whence & AVSEEK_SIZE) return in->size();
    std::int64_t at = in->seekTo(offset, whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(EIO) : at;
}

}  // namespace tumblix
