// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace tumblix::test {

// A fresh folder of its own, removed with everything in it at the end.
struct TempFolder {
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() { std::filesystem::remove_all(path, ec); }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }

    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tumblix-test-" + std::to_string(std::random_device{}()));
    std::error_code ec;
};

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace tumblix::test
