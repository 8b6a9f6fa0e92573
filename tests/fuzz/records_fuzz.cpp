// SPDX-License-Identifier: GPL-3.0-or-later
// The best-players reader on any bytes, and its round trip: what it read, written and read
// again, is the same table.
#include <cstdlib>
#include <sstream>

#include "records/records_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    tumblix::ReadRecords first = tumblix::readRecords(in);
    std::ostringstream written;
    tumblix::writeRecords(written, first.records);
    std::istringstream again(written.str());
    tumblix::ReadRecords second = tumblix::readRecords(again);
    if (second.records != first.records || second.brokenTail) std::abort();
    return 0;
}
