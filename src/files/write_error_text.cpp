// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/write_error_text.h"

#include <cerrno>

namespace tumblix {

std::string writeErrorText(const std::error_code& error) {
    switch (error.value()) {
        case EACCES:
        case EPERM:
            return "нет прав на запись";
        case EROFS:
            return "диск только для чтения";
        case ENOSPC:
        case EDQUOT:
            return "нет места на диске";
        case ENOENT:
        case ENOTDIR:
            return "папка не найдена";
        case EISDIR:
            return "на месте файла папка";
        case EIO:
            return "ошибка ввода-вывода";
        default:
            return "ошибка " + std::to_string(error.value()) + " (" + error.message() + ")";
    }
}

}  // namespace tumblix
