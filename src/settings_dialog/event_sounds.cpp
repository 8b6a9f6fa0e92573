// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog/event_sounds.h"

#include <QCoreApplication>
#include <array>

namespace tumblix {

namespace {
struct EventEntry {
    const char* text;
    Sound first;
    Sound second;
};
constexpr std::array<EventEntry, 8> kEvents = {{
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Инверсия"), Sound::mInverse1, Sound::mInverse1},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Появление Tumblix-фигурки"), Sound::mTumblix1,
     Sound::mTumblix1},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Удаление линиий"), Sound::mDelLin1,
     Sound::mDelLin1},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Приземление"), Sound::mDown1, Sound::mDown2},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Бросить"), Sound::mDrop1, Sound::mDrop2},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Вращение"), Sound::mRotate1, Sound::mRotate1},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Влево"), Sound::mLeft1, Sound::mLeft1},
    {QT_TRANSLATE_NOOP("tumblix::frmSettings", "Вправо"), Sound::mRight1, Sound::mRight1},
}};

// An event's text in the player's language.
QString shown(const EventEntry& e) {
    return QCoreApplication::translate("tumblix::frmSettings", e.text);
}
}  // namespace

QStringList eventTexts() {
    QStringList texts;
    for (const EventEntry& e : kEvents) texts << shown(e);
    return texts;
}

std::optional<Sound> eventSound(const QString& text, int variant) {
    for (const EventEntry& e : kEvents)
        if (text == shown(e)) return variant == 1 ? e.second : e.first;
    return std::nullopt;
}

bool hasSecondVariant(const QString& text) {
    auto first = eventSound(text, 0), second = eventSound(text, 1);
    return first && second && *first != *second;
}

}  // namespace tumblix
