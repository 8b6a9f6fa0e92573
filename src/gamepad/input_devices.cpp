// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepad/input_devices.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tumblix {

namespace {
// The kernel's joystick buttons (BTN_JOYSTICK) up to the end of the gamepad buttons.
constexpr unsigned kFirstButton = 0x120;
constexpr unsigned kLastButton = 0x13f;

// The key bitmap is written as words in hex, the highest first, each as wide as a long.
bool hasJoystickButton(const std::string& bitmap) {
    std::vector<unsigned long long> words;
    std::istringstream in(bitmap);
    std::string word;
    while (in >> word) words.push_back(std::stoull(word, nullptr, 16));
    constexpr unsigned bits = 8 * sizeof(long);
    for (unsigned b = kFirstButton; b <= kLastButton; ++b) {
        std::size_t fromEnd = b / bits;
        if (fromEnd < words.size() && (words[words.size() - 1 - fromEnd] >> (b % bits) & 1))
            return true;
    }
    return false;
}
}  // namespace

bool gamepadPresent(const std::filesystem::path& sysInput) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(sysInput, error)) {
        std::ifstream key(entry.path() / "capabilities" / "key");
        std::string bitmap;
        if (std::getline(key, bitmap) && hasJoystickButton(bitmap)) return true;
    }
    return false;
}

InputDeviceWatch::InputDeviceWatch(std::function<void()> changed, const char* folder)
    : changed_(std::move(changed)) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    if (inotify_add_watch(fd_, folder, IN_CREATE | IN_DELETE | IN_ATTRIB) < 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        alignas(inotify_event) char events[4096];
        while (read(fd_, events, sizeof events) > 0) {
        }
        changed_();
    });
}

InputDeviceWatch::~InputDeviceWatch() {
    delete notifier_;
    if (fd_ >= 0) close(fd_);
}

}  // namespace tumblix
