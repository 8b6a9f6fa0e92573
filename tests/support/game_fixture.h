// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "control/control_buttons.h"
#include "control/keyboard.h"
#include "control/menu.h"
#include "engine/game.h"
#include "support/fakes.h"

namespace tumblix::test {

inline constexpr std::array<std::string_view, 4> kBar = {".#..", ".#..", ".#..", ".#.."};
inline constexpr std::array<std::string_view, 4> kJ = {".##.", ".#..", ".#..", "...."};

// A game on fakes with its controls, drawing its numbers from R.
template <class R>
struct GameRig {
    R random;
    FakeClock clock;
    FakeHost host;
    RecordingCanvas board, next, future;
    Game game{random, clock, host, {board, next, future}};
    ControlButtons buttons{game};
    Menu menu{game, buttons};
    Keyboard keys{game, buttons, menu};
};

// A started game. The generator's fallback 0 makes every queued figure a J (kind 0, never a
// Tumblix figure) and every sound choice the second one.
class GameTest : public ::testing::Test, public GameRig<FakeRandom> {
  protected:
    GameTest() {
        game.Form_Load();
        board.reset();
        host.sounds.clear();
    }

    GameState& s() { return game.state(); }
    const std::string& text(Ctl c) const { return game.panel()[c].text; }
    const auto& stats() const { return game.panel().list(List::lstStatistic).lines; }
    void well(const std::vector<std::string_view>& rows) { s().board = Board::fromPicture(rows); }
    void put(const std::array<std::string_view, 4>& rows, int x, int y) {
        s().Figure = boxFromRows(rows);
        s().FigureX = x;
        s().FigureY = y;
    }
    // Lets the falling figure drop and ticks until it has landed.
    void land() {
        auto steps = s().Steps;
        int asked = host.asked;
        s().Dropping = true;
        for (int i = 0; i < 100 && s().Steps == steps && host.asked == asked && !game.ended(); ++i)
            game.tmrDown_Timer();
        ASSERT_TRUE(s().Steps != steps || host.asked != asked) << "the figure never landed";
    }
    // Lands a J where the next one cannot start: the game ends.
    void landIntoGameOver() {
        s().board.set(11, 0, 1);  // where the next J starts: its top row
        put(kJ, 14, 0);
        land();
    }
    // Lands a bar in column 7 on an otherwise empty well whose n bottom rows it completes.
    void clearRows(int n) {
        well(std::vector<std::string_view>(n, "###.###########"));
        put(kBar, 6, 0);
        land();
    }
};
using ControlsTest = GameTest;

}  // namespace tumblix::test
