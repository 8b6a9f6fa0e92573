// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

#include "engine/host.h"

namespace tumblix {

// The events of the settings dialog's list, in the list's order and the player's language.
QStringList eventTexts();

// The sound object an event's text (as eventTexts gives it) selects for a variant (0 the
// first, 1 the second). Only "Бросить" and "Приземление" have a second sound of their own; the
// others answer the same object for both. Any other text selects nothing.
std::optional<Sound> eventSound(const QString& text, int variant);

// True for the events with two sound variants.
bool hasSecondVariant(const QString& text);

}  // namespace tumblix
