// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/value_text.h"

#include <charconv>

#include "settings/settings.h"

namespace tumblix {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal number at the start of text: an optional sign, digits, an optional separator and
// more digits. Returns the value and how many characters it took; no digits take nothing.
std::pair<double, std::size_t> leadingNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // A leading zero and a trailing fraction zero keep ".5" and "5." readable.
    std::string digits = "0";
    std::size_t count = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++count) digits += text[i];
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        digits += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++count) digits += text[i];
        digits += '0';
    }
    if (count == 0) return {0.0, 0};
    double value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::infinity();
    return {negative ? -value : value, i};
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] >= 'A' && text[i] <= 'Z' ? text[i] - 'A' + 'a' : text[i]) != lower[i])
            return false;
    return true;
}

}  // namespace

double readNumber(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    return leadingNumber(line).first;
}

std::optional<double> readStrictNumber(std::string_view line) {
    line = trimmed(line);
    auto [value, length] = leadingNumber(line);
    if (length == 0 || length != line.size()) return std::nullopt;
    return value;
}

std::optional<bool> readBoolean(std::string_view line) {
    std::string_view text = trimmed(line);
    if (equalsIgnoringCase(text, "true")) return true;
    if (equalsIgnoringCase(text, "false")) return false;
    if (auto number = readStrictNumber(text)) return *number != 0;
    return std::nullopt;
}

std::string printNumber(std::int64_t value) {
    std::string text = value < 0 ? "" : " ";
    text += std::to_string(value);
    text += ' ';
    return text;
}

std::string printBoolean(bool value) {
    return value ? "True" : "False";
}

std::string_view pathLine(std::string_view path) {
    return path.find_first_of("\r\n") == std::string_view::npos ? path : kDefaultPath;
}

}  // namespace tumblix
