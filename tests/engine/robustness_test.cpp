// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/game_fixture.h"

namespace tumblix::test {
namespace {

// Many games of random figures (a single cell up to the full box, the super figure included)
// and random play. The margin stays empty, no full row outlives a landing, and the falling
// figure stands on free playfield cells. Run under the address sanitizer this
// also catches any access outside the board.
using RandomPlay = ControlsTest;

TEST_F(RandomPlay, KeepsTheBoardsInvariants) {
    std::mt19937 rng(20240611);
    auto pattern = [&rng] {
        std::string p(16, '0');
        for (char& c : p) c = rng() % 3 == 0 ? '1' : '0';
        p[rng() % 16] = '1';
        return rng() % 4 ? p : rng() % 2 ? std::string(kSuperPattern) : std::string(16, '1');
    };
    random.source = [&rng] { return rng() / 4294967296.0; };
    host.newGameAnswer = true;
    game.settings().iFantom = 2;
    game.Form_Load();
    GameState& s = this->s();
    int landings = 0;
    const int keyCodes[] = {vk::Left, vk::Right, vk::Up, vk::Space};
    for (int step = 0; step < 40000; ++step) {
        SCOPED_TRACE(step);
        clock.sec = static_cast<int>(rng() % 3);
        if (rng() % 5 == 0) s.FigureQueue[1 + rng() % 4].pattern = pattern();
        int op = static_cast<int>(rng() % 10);
        if (op < 4) keys.Form_KeyDown(keyCodes[op]);
        if (op == 4) buttons.picTumblix_MouseMove(static_cast<double>(rng() % 5000) - 500);
        if (op == 5 && rng() % 3 == 0) keys.Form_KeyDown(vk::Down);
        if (op == 6) menu.tmrDemo_Timer();
        for (int i = 0, n = op < 7 ? 0 : 1 + rng() % 60; i < n; ++i) {
            auto steps = s.Steps;
            game.tmrDown_Timer();
            landings += s.Steps != steps;
        }
        if (rng() % 500 == 0) s.Speed = static_cast<int>(rng() % 11) * 15;
        for (int x = 0; x <= Board::kMaxX; ++x)
            for (int y = 0; y <= Board::kMaxY; ++y)
                ASSERT_TRUE(!s.board.at(x, y) || Board::inPlayfield(x, y)) << x << "," << y;
        for (int row = 0; row <= Board::kLastRow; ++row) ASSERT_FALSE(s.board.rowFull(row)) << row;
        ASSERT_TRUE(s.board.fits(s.Figure, s.FigureX, s.FigureY));
        if (board.calls.size() > 100000) board.reset(), host.sounds.clear();
    }
    EXPECT_TRUE(landings > 1000 && host.asked > 10) << landings << " landings, " << host.asked;
}

}  // namespace
}  // namespace tumblix::test
