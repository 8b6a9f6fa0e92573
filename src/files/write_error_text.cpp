// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/write_error_text.h"

#include <cerrno>

// Marks the texts for the translation file; the program translates them in the context
// "tumblix::WriteError".
#define QT_TRANSLATE_NOOP(context, text) text

namespace tumblix {

namespace {
std::string said(const char* text) {
    return translateWriteError ? translateWriteError(text) : std::string(text);
}
}  // namespace

std::string writeErrorText(const std::error_code& error) {
    switch (error.value()) {
        case EACCES:
        case EPERM:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "нет прав на запись"));
        case EROFS:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "диск только для чтения"));
        case ENOSPC:
        case EDQUOT:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "нет места на диске"));
        case ENOENT:
        case ENOTDIR:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "папка не найдена"));
        case EISDIR:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "на месте файла папка"));
        case EIO:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "ошибка ввода-вывода"));
        default:
            return said(QT_TRANSLATE_NOOP("tumblix::WriteError", "ошибка")) + " " +
                   std::to_string(error.value()) + " (" + error.message() + ")";
    }
}

}  // namespace tumblix
