// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog/event_sounds.h"

#include <array>

namespace tumblix {

namespace {
struct EventEntry {
    const char* text;
    Sound first;
    Sound second;
};
constexpr std::array<EventEntry, 8> kEvents = {{
    {"Инверсия", Sound::mInverse1, Sound::mInverse1},
    {"Появление Tumblix-фигурки", Sound::mTumblix1, Sound::mTumblix1},
    {"Удаление линиий", Sound::mDelLin1, Sound::mDelLin1},
    {"Приземление", Sound::mDown1, Sound::mDown2},
    {"Бросить", Sound::mDrop1, Sound::mDrop2},
    {"Вращение", Sound::mRotate1, Sound::mRotate1},
    {"Влево", Sound::mLeft1, Sound::mLeft1},
    {"Вправо", Sound::mRight1, Sound::mRight1},
}};
}  // namespace

const QStringList& eventTexts() {
    static const QStringList texts = [] {
        QStringList t;
        for (const EventEntry& e : kEvents) t << QString::fromUtf8(e.text);
        return t;
    }();
    return texts;
}

std::optional<Sound> eventSound(const QString& text, int variant) {
    for (const EventEntry& e : kEvents)
        if (text == QString::fromUtf8(e.text)) return variant == 1 ? e.second : e.first;
    return std::nullopt;
}

bool hasSecondVariant(const QString& text) {
    auto first = eventSound(text, 0), second = eventSound(text, 1);
    return first && second && *first != *second;
}

}  // namespace tumblix
