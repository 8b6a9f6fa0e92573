// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace tumblix {

// The reading rules of the settings file's lines. A decimal fraction may use "." or ",",
// whatever the locale; no exponent is read.

// A *number*: the leading decimal number of the line. Leading blanks are skipped and reading
// stops at the first character that cannot continue the number; no number at all is 0.
double readNumber(std::string_view line);

// A *strict number*: the whole line is one decimal number, with blanks around it at most.
std::optional<double> readStrictNumber(std::string_view line);

// A *Boolean*: "True" or "False" in any letter case, or a strict number (0 False, any other
// True), blanks around allowed.
std::optional<bool> readBoolean(std::string_view line);

// *Rounded*: to the nearest whole number, halves to the even neighbour; nothing when the result
// lies outside T's range.
template <typename T>
std::optional<T> rounded(double value) {
    double r = std::nearbyint(value);  // the default rounding mode goes to nearest, ties to even
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max())))
        return std::nullopt;
    return static_cast<T>(r);
}

// The print form of a whole number: a blank for a non-negative sign or "-", the digits, a blank.
std::string printNumber(std::int64_t value);
// "True" or "False".
std::string printBoolean(bool value);

// A path line as written and read: a path holding a line break (a carriage return or a line
// feed) cannot stand on one line, so it stands as the line's "none" value "..." instead.
std::string_view pathLine(std::string_view path);

}  // namespace tumblix
