// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakes.h"

#include "engine/figure.h"

namespace tumblix::test {

void FakeRandom::dealTumblix(std::string_view pattern, double bonusDraw) {
    push({0.0, 0.0, 0.5, 0.0});  // stir, kind, the one-in-fifty hit, stir
    bool super = pattern == kSuperPattern;
    for (std::size_t k = 0; k < 16; ++k) {
        if (k % 4 == 0) push({0.0});                          // each column is stirred
        push({!super && pattern[k] == '1' ? 0.8 : 0.79999});  // a cell from 0.8 on
    }
    if (!super) push({bonusDraw});
}

std::vector<RecordingCanvas::Call> RecordingCanvas::ops(Op op) const {
    std::vector<Call> out;
    for (const auto& call : calls)
        if (call.op == op) out.push_back(call);
    return out;
}

std::set<Cell> RecordingCanvas::cells(Op op, Color c, double size, double inset) const {
    std::set<Cell> out;
    for (const auto& k : calls)
        if (k.op == op && k.color == c && k.x2 - k.x1 == size && k.y2 - k.y1 == size)
            out.insert(
                {static_cast<int>(k.x1 - inset) / 250 + 4, static_cast<int>(k.y1 - inset) / 250});
    return out;
}

}  // namespace tumblix::test
