#include "support/fakes.h"

namespace tumblix::test {

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
