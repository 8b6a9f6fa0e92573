// The sound tests that need no sound: OpenAL is given no backend that could play, as on a
// machine without a sound card.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
