#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test twice: in the release tree build/, then in build-asan/ under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero when anything fails.
# Each test sets its own QT_QPA_PLATFORM (offscreen for widget tests); nothing here changes it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh all

failed=()
ctest --test-dir build --output-on-failure || failed+=("release tests")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTUMBLIX_SANITIZE=ON -DTUMBLIX_WERROR=ON \
    -DTUMBLIX_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
# Leak checks stay on. Qt on a real X display (the end-to-end runs under Xvfb) loads libdbus,
# which keeps a buffer until exit that LeakSanitizer reports; lsan.supp skips just that library.
# UBSan stays strict: the build already stops at the first report (-fno-sanitize-recover=all).
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure || failed+=("sanitizer tests")

# The Debian package, installed on this machine and its game started once from /usr/games.
sudo=()
((EUID == 0)) || sudo=(sudo)
if ./scripts/package.sh >/dev/null &&
    "${sudo[@]}" apt-get install -y --reinstall ./build/tumblix_*.deb >/dev/null; then
    E2E_PROGRAM=/usr/games/tumblix xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
        tests/e2e/e2e.sh installed build/game/tumblix build/tests/e2e/tumblix_x11_tool \
        build/tests/e2e/tumblix_wave_probe build/src/tools/tonegen/tumblix_tone ||
        failed+=("installed package")
else
    failed+=("package")
fi

if ((${#failed[@]})); then
    echo "test: FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "test: all passed"
