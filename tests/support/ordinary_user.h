#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace tumblix::test {

// Runs the checks as an ordinary user: here, or when the tests run as the administrator, whom
// file permissions do not bind, in a child process as "nobody". The child's failures fail the
// test; what the checks touch must be open to that user.
inline void asOrdinaryUser(const std::function<void()>& checks) {
    if (::geteuid() != 0) return checks();
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
            checks();
            std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace tumblix::test
