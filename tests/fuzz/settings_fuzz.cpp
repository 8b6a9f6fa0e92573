// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on any bytes, and its round trip: settings it accepted, written and read
// again, are the same settings.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    auto first = tumblix::parseSettings(in, "/game");
    if (!first) return 0;
    std::ostringstream written;
    tumblix::formatSettings(written, *first);
    std::istringstream again(written.str());
    auto second = tumblix::parseSettings(again, "/game");
    if (!second || !(*second == *first)) std::abort();
    return 0;
}
