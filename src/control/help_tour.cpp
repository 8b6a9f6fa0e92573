// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/help_tour.h"

#include <algorithm>

#include "engine/random.h"

namespace tumblix {

namespace {
// A random one of the seven sounds before each page.
void randomEventSound(Game& game) {
    PlayEventSound(game, roundInt(game.random().next() * 6 + 1));
}
}  // namespace

void PlayEventSound(Game& game, int code) {
    static constexpr Sound kByCode[] = {Sound::mTumblix1, Sound::mDown1,   Sound::mLeft1,
                                        Sound::mRight1,   Sound::mRotate1, Sound::mDrop1,
                                        Sound::mDelLin1};
    if (code >= 1 && code <= 7) game.host().playSound(kByCode[code - 1]);
}

bool skippedByHelpTour(std::string_view name) {
    static constexpr std::string_view kSkipped[] = {
        "lblTotal", "lblHeightBonus", "fraLeft", "fraBottomRight", "fraBottom", "fraTumblix",
        "Label1",   "Label2",         "Label3",  "Label4",         "Label5"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), name) != std::end(kSkipped);
}

void runHelpTour(Game& game, Menu& menu, HelpPages& pages, std::span<const HelpStop> controls,
                 std::string_view tablePage) {
    Panel& panel = game.panel();
    randomEventSound(game);
    panel.setBackColor(Ctl::lstTable, colors::white);
    bool closed = pages.showPage(std::string(tablePage));
    panel.setBackColor(Ctl::lstTable, colors::black);
    for (const HelpStop& stop : controls) {
        if (closed) break;
        if (skippedByHelpTour(stop.name)) continue;
        Ctl c = ctlByName(stop.name);
        bool lit = c != Ctl::Count;
        Color own = lit ? panel[c].backColor : 0;
        if (lit) panel.setBackColor(c, colors::white);
        closed = pages.showPage(std::string(stop.text));
        if (lit) panel.setBackColor(c, own);
        randomEventSound(game);
        if (c == Ctl::picTumblix) {
            game.DrawBoard();
            game.DrawGrid();
            game.DrawFigure();
        }
    }
    menu.setValue(Ctl::chkHelp, 0);
    game.host().focusBoard();
}

}  // namespace tumblix
