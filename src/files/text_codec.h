// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tumblix {

// Appends the UTF-8 form of one character.
void appendUtf8(std::string& out, char32_t c);

// Decodes the UTF-8 sequence starting at text[i]. Returns its length, or 0 when it is not a
// well-formed sequence (overlong forms, surrogates and values past U+10FFFF are refused).
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& c);

bool isValidUtf8(std::string_view text);

// Text in the Windows Cyrillic code page (Windows-1251) as UTF-8.
std::string cp1251ToUtf8(std::string_view text);

// The text itself when it is valid UTF-8, otherwise read as Windows-1251.
std::string utf8OrCp1251(std::string_view text);

}  // namespace tumblix
