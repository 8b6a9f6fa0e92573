// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "control/menu.h"
#include "engine/game.h"

namespace tumblix {

// Shows one help page modally; true when the player chose to end the tour.
class HelpPages {
  public:
    virtual ~HelpPages() = default;
    virtual bool showPage(const std::string& text) = 0;
};

// A control of the main window with its help text, in the window's control order.
struct HelpStop {
    std::string_view name;
    std::string_view text;
};

// Plays an event sound by code: 1 mTumblix1, 2 mDown1, 3 mLeft1, 4 mRight1, 5 mRotate1,
// 6 mDrop1, 7 mDelLin1; any other code plays nothing.
void PlayEventSound(Game& game, int code);

// Frames, bars and the two time-bonus captions have no page of their own.
bool skippedByHelpTour(std::string_view name);

// The help tour: the best-players list first, then each control lit white while its page is
// open. The game goes on meanwhile. The tour ends at the last page or when the player closes
// it, and releases "Help". tablePage is the best-players list's page, controls' texts the
// other pages, all in the player's language.
void runHelpTour(Game& game, Menu& menu, HelpPages& pages, std::span<const HelpStop> controls,
                 std::string_view tablePage);

}  // namespace tumblix
