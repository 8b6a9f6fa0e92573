// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

struct AVIOContext;

namespace tumblix {

// The bytes a decoder reads, through an I/O context of our own: a regular file or bytes held
// in memory. Reading can be bounded (bytes and a deadline) while a file is probed, and a flag
// of the caller's stops it at any time.
class MediaInput {
  public:
    // Nothing when the path is not a regular file (a pipe or a device is never opened) or
    // cannot be opened.
    static std::unique_ptr<MediaInput> file(const std::string& path);
    static std::unique_ptr<MediaInput> bytes(std::string data);
    virtual ~MediaInput();
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    // Null when out of memory.
    AVIOContext* io() const { return io_; }
    // From now on at most `bytes` more are read, and nothing after the deadline.
    void bound(std::int64_t bytes, std::chrono::steady_clock::time_point deadline);
    void unbound();
    // Reading stops while *stop is true; null: never.
    void stopWhen(const std::atomic<bool>* stop) { stop_ = stop; }
    // Whether reading must stop: bound reached or stop asked; for FFmpeg's interrupt callback.
    bool stopped() const;

  protected:
    MediaInput();
    // Like read(2) and lseek(2) at the input's own position; size() for the whole length.
    virtual long readAt(std::uint8_t* to, int size) = 0;
    virtual std::int64_t seekTo(std::int64_t offset, int whence) = 0;
    virtual std::int64_t size() const = 0;

  private:
    static int readPacket(void* opaque, std::uint8_t* to, int size);
    static std::int64_t seekPacket(void* opaque, std::int64_t offset, int whence);

    AVIOContext* io_ = nullptr;
    std::int64_t budget_ = -1;  // bytes still to read; negative: no bound
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    const std::atomic<bool>* stop_ = nullptr;
};

}  // namespace tumblix
