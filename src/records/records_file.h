// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "files/atomic_file.h"

namespace tumblix {

struct Record {
    std::string name;  // UTF-8
    std::int64_t score = 0;
    bool operator==(const Record&) const = default;
};

struct ReadRecords {
    std::vector<Record> records;
    // True when the file ended in the middle of a record (a name without its score line);
    // the complete records before it are kept.
    bool brokenTail = false;
};

// Reads the table: pairs of lines, name then score. Lines end in CR LF or LF; the last line
// may lack its end. A file that is not valid UTF-8 is read as the Windows Cyrillic code page.
// A read error leaves `in` bad, with whatever came before it read.
ReadRecords readRecords(std::istream& in);

// The name as the table keeps it: valid UTF-8 (a broken sequence becomes U+FFFD) without
// control characters, so that no name can break the file's lines or the list.
std::string cleanName(std::string_view name);

// Writes the table in UTF-8 with CR LF line ends; a score is written with a blank before a
// non-negative number.
void writeRecords(std::ostream& out, const std::vector<Record>& records);

// The line lstTable shows for entry i (1-based): "1. Guest          0".
std::string recordListLine(int i, const Record& r);

// Writes the table to a temporary file beside path and renames it over path, so the file is
// never left half-written. On failure the old file stays as it was.
WriteResult saveRecordsFile(const std::filesystem::path& path, const std::vector<Record>& records);

// The table a first start writes: the lines "Guest" and "0".
WriteResult saveDefaultRecordsFile(const std::filesystem::path& path);

}  // namespace tumblix
