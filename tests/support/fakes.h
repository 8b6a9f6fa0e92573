// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <tuple>

#include "engine/canvas.h"
#include "engine/host.h"
#include "engine/random.h"

namespace tumblix::test {

// Hands out the scripted numbers first, then the fallback value forever.
struct FakeRandom final : Random {
    void push(std::initializer_list<double> values) { script.insert(script.end(), values); }
    double next() override {
        ++draws;
        if (script.empty()) return fallback;
        double v = script.front();
        script.pop_front();
        return v;
    }
    void reseed(double) override {}
    // Scripts one choice of a queued figure at second 0: a Tumblix figure of this pattern (the
    // super figure draws no cell) and this bonus draw.
    void dealTumblix(std::string_view pattern, double bonusDraw = 0.0);

    double fallback = 0.0;
    std::deque<double> script;
    int draws = 0;
};

// Seconds 0 by default, so stirring the generator draws exactly one number.
struct FakeClock final : Clock {
    int seconds() const override { return sec; }
    double timer() const override { return 0; }
    int sec = 0;
};

struct FakeHost final : GameHost {
    void playSound(Sound s) override { sounds.push_back(s); }
    bool askNewGame() override {
        if (onAsk) onAsk();
        return ++asked, newGameAnswer;
    }
    void closeMainWindow() override { ++closed; }
    void sweepMusicBalance() override { ++sweeps; }

    std::vector<Sound> sounds;
    bool newGameAnswer = false;
    std::function<void()> onAsk;  // while the question is open
    int asked = 0, closed = 0, sweeps = 0;
};

using Cell = std::pair<int, int>;  // a board cell: playfield column 4..18, row 0..30

// Remembers every call together with the fill colour and line style in force at the time.
struct RecordingCanvas final : Canvas {
    enum class Op { Clear, BackColor, FillColor, LineStyle, FillBox, FrameBox, Line };
    struct Call {
        Op op;
        double x1, y1, x2, y2;
        Color color, fill;
        LineStyle style;
        std::tuple<double, double, double, double> box() const { return {x1, y1, x2, y2}; }
    };

    void clear() override { add(Op::Clear); }
    void setBackColor(Color c) override { add(Op::BackColor, 0, 0, 0, 0, c); }
    void setFillColor(Color c) override { add(Op::FillColor, 0, 0, 0, 0, fill = c); }
    void setLineStyle(LineStyle s) override { style = s, add(Op::LineStyle); }
    void fillBox(double x1, double y1, double x2, double y2, Color c) override {
        add(Op::FillBox, x1, y1, x2, y2, c);
    }
    void frameBox(double x1, double y1, double x2, double y2, Color c) override {
        add(Op::FrameBox, x1, y1, x2, y2, c);
    }
    void line(double x1, double y1, double x2, double y2, Color c) override {
        add(Op::Line, x1, y1, x2, y2, c);
    }

    void reset() { calls.clear(); }
    std::vector<Call> ops(Op op) const;
    // Board cells outlined as figure squares (194 units) in the given colour.
    std::set<Cell> framed(Color outline) const { return cells(Op::FrameBox, outline, 194, 28); }
    // Board cells painted over by a figure-sized square in the given colour.
    std::set<Cell> erased(Color c) const { return cells(Op::FillBox, c, 194, 28); }
    // Board cells painted as landed cells: the inner square (174 units) in the given colour.
    std::set<Cell> landed(Color c) const { return cells(Op::FillBox, c, 174, 38); }

    std::vector<Call> calls;
    Color fill = 0;
    LineStyle style = LineStyle::Solid;

  private:
    void add(Op op, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0, Color c = 0) {
        calls.push_back({op, x1, y1, x2, y2, c, fill, style});
    }
    std::set<Cell> cells(Op op, Color c, double size, double inset) const;
};

}  // namespace tumblix::test
