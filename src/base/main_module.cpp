// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/main_module.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QString>

namespace tumblix {

std::string CutAtNull(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    std::size_t last = text.find_last_not_of(' ');
    std::string trimmed = text.substr(first, last - first + 1);
    std::size_t nul = trimmed.find('\0');
    return nul == std::string::npos ? trimmed : trimmed.substr(0, nul);
}

std::string GetMachineName() {
    std::string buffer(255, ' ');
    if (gethostname(buffer.data(), buffer.size()) != 0) return "???";
    buffer.back() = '\0';
    std::string name = CutAtNull(buffer);
    return name.empty() ? "???" : name;
}

void YieldMessages(std::int32_t n, const std::function<void()>& processEvents) {
    for (std::int32_t i = 0; i <= n; ++i)
        for (std::int32_t j = 0; j <= n; ++j) processEvents();
}

void YieldMessages(std::int32_t n) {
    YieldMessages(n, [] { QCoreApplication::processEvents(); });
}

std::string ShortenPath(const std::string& text, int maxLen) {
    QString t = QString::fromStdString(text);
    if (t.size() <= maxLen) return text;
    int h = (maxLen - 3) / 2;
    if (h < 0) h = 0;
    return (t.left(h) + "..." + t.right(h)).toStdString();
}

void ReportDirectXFailure(const std::string&) {}

}  // namespace tumblix
