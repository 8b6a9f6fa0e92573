// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tumblix {

// The chooser's file pattern: the caller's pattern, or "*.wav" when it is empty.
QString effectivePattern(const QString& AddictPattern);

// True when the file name matches any part of a pattern such as "*.wma;*.mp3;*.mp2". In each
// part "*" stands for any run of characters and "?" for one character; letter case is ignored,
// so "LEFT1.WAV" matches "*.wav". Blank parts match nothing.
bool matchesPattern(const QString& name, const QString& pattern);

}  // namespace tumblix
