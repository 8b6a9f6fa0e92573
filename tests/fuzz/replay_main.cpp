// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over every file of the folders given: the seed corpus replayed as an
// ordinary test, in builds without a fuzzing compiler. A finding aborts, failing the test; so
// does an input that costs more memory than the fuzzer allows (512 MB), whatever it declares.
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::string bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%d inputs replayed, at most %ld MB resident\n", inputs, usage.ru_maxrss >> 10);
    return inputs > 0 && usage.ru_maxrss < 512 << 10 ? 0 : 1;
}
