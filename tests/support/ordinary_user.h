// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace tumblix::test {

// Runs the checks as an ordinary user: here, or when the tests run as the administrator, whom
// file permissions do not bind, in a child process as "nobody", whose failures fail the test
// and are shown. What the checks touch must be open to that user.
inline void asOrdinaryUser(const std::function<void()>& checks) {
    if (::geteuid() != 0) return checks();
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
            ::testing::TestPartResultArray results;
            {
                ::testing::ScopedFakeTestPartResultReporter capture(&results);
                checks();
            }
            int failed = 0;
            for (int i = 0; i < results.size(); ++i) {
                const ::testing::TestPartResult& r = results.GetTestPartResult(i);
                if (!r.failed()) continue;
                ++failed;
                std::fprintf(stderr, "%s:%d: %s\n", r.file_name(), r.line_number(), r.message());
            }
            std::_Exit(failed > 0 ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace tumblix::test
