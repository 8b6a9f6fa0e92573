#include <gtest/gtest.h>

#include "engine/contrast.h"

namespace tumblix {
namespace {

TEST(ContrastTest, ArrowCaptionsReadWellOnEveryPaletteColour) {
    // The caption colour for black arrows on each of the sixteen palette colours.
    const Color white = colors::white, black = colors::black;
    const Color expected[16] = {white, white, white, white, white, white, black, black,
                                black, white, black, black, black, black, black, black};
    for (int n = 0; n < 16; ++n) {
        SCOPED_TRACE(n);
        Color text = readableTextOn(qbColor(n), black);
        EXPECT_EQ(text, expected[n]);
        EXPECT_GE(contrastRatio(qbColor(n), text), 4.5);
    }
    EXPECT_EQ(readableTextOn(qbColor(9), colors::yellow), colors::yellow);  // reads well: kept
}

}  // namespace
}  // namespace tumblix
