// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tumblix {

// The computer's network name, "???" when it cannot be had.
std::string GetMachineName();
// The name as the system reports it into a buffer: trimmed, then cut before the first NUL.
std::string CutAtNull(const std::string& text);
// Lets the window system handle pending events (n + 1) * (n + 1) times; nothing for a negative n.
void YieldMessages(std::int32_t n, const std::function<void()>& processEvents);
void YieldMessages(std::int32_t n);
// A text longer than maxLen becomes its first h characters, "...", and its last h characters,
// h = (maxLen - 3) / 2; counted in characters, not bytes.
std::string ShortenPath(const std::string& text, int maxLen);
// Called when the sound system cannot start; the game goes on silently.
void ReportDirectXFailure(const std::string& where);

}  // namespace tumblix
