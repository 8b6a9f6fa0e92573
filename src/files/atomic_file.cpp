#include "files/atomic_file.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

namespace tumblix {

bool writeFileAtomically(const std::filesystem::path& path,
                         const std::function<void(std::ostream&)>& write) {
    namespace fs = std::filesystem;
    try {
        // A name of its own, so that two running copies saving at once do not share it.
        std::uint64_t stamp = static_cast<std::uint64_t>(
                                  std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              std::hash<std::thread::id>{}(std::this_thread::get_id());
        fs::path temp = path;
        temp += ".";
        temp += std::to_string(stamp % 1000000007u);
        temp += ".tmp";
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        write(out);
        out.close();
        std::error_code ec;
        if (out) fs::rename(temp, path, ec);
        if (!out || ec) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace tumblix
