// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/records_file.h"

#include <cstddef>
#include <limits>

#include "files/atomic_file.h"
#include "files/text_codec.h"

namespace tumblix {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

// Control characters, and the byte-order mark, which would vanish from a first name.
bool dropped(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFEFF;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The numeric value at the start of the line: blanks, an optional sign, digits. Anything else
// ends the number; no digits at all is 0; a value past the range of int64 stays at its end.
std::int64_t parseScore(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i])) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    // Accumulated on the negative side, which reaches one further.
    std::int64_t value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        int digit = line[i] - '0';
        if (value < (kMin + digit) / 10) {
            value = kMin;
            continue;
        }
        value = value * 10 - digit;
    }
    if (negative) return value;
    return value == kMin ? kMax : -value;
}

}  // namespace

std::string cleanName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    char32_t c;
    for (std::size_t i = 0; i < name.size();) {
        std::size_t len = decodeUtf8(name, i, c);
        if (len == 0) {
            c = kReplacement;
            len = 1;
        }
        i += len;
        if (!dropped(c)) appendUtf8(out, c);
    }
    return out;
}

ReadRecords readRecords(std::istream& in) {
    // Read through the stream, not its buffer: a read error then marks the stream bad for the
    // caller instead of throwing.
    std::string raw;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        raw.append(chunk, static_cast<std::size_t>(in.gcount()));
    std::string_view view = raw;
    std::string text;
    if (isValidUtf8(view)) {
        if (view.starts_with(kBom)) view.remove_prefix(kBom.size());
        text = view;
    } else {
        text = cp1251ToUtf8(view);
    }

    ReadRecords result;
    std::string_view rest = text;
    std::string_view name;
    bool haveName = false;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!haveName) {
            name = line;
            haveName = true;
        } else {
            result.records.push_back({cleanName(name), parseScore(line)});
            haveName = false;
        }
    }
    result.brokenTail = haveName;
    return result;
}

void writeRecords(std::ostream& out, const std::vector<Record>& records) {
    for (const Record& r : records) {
        out << cleanName(r.name) << "\r\n";
        // The print form of a number: a blank in the sign's place, the digits, a blank.
        if (r.score >= 0) out << ' ';
        out << r.score << " \r\n";
    }
}

std::string recordListLine(int i, const Record& r) {
    constexpr std::size_t kNameWidth = 15;
    std::string line = std::to_string(i) + ".";
    if (i < 10) line += ' ';
    line += r.name;
    // The width counts characters, not bytes.
    std::size_t chars = 0;
    for (char ch : r.name)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++chars;
    if (chars < kNameWidth) line.append(kNameWidth - chars, ' ');
    line += std::to_string(r.score);
    return line;
}

WriteResult saveRecordsFile(const std::filesystem::path& path, const std::vector<Record>& records) {
    return writeFileAtomically(path, [&](std::ostream& out) { writeRecords(out, records); });
}

WriteResult saveDefaultRecordsFile(const std::filesystem::path& path) {
    return writeFileAtomically(path, [](std::ostream& out) { out << "Guest\r\n0\r\n"; });
}

}  // namespace tumblix
