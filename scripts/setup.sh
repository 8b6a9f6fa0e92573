#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing, then configures and builds the release tree in
# build/ (the game lands in build/game/tumblix).
#   setup.sh game   what building and running the game needs; builds only the game, its decoder
#                   module and its data (the tumblix_play target), the tests left out of a new tree
#   setup.sh [all]  also the test, benchmark and packaging tools; builds every target with
#                   warnings as errors (test.sh, bench.sh, package.sh)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
what=${1:-all}
[[ $what == game || $what == all ]] || { echo "setup: game or all, not '$what'" >&2; exit 2; }

game_packages=(
    build-essential cmake pkg-config                    # compiler, build system, library lookup
    qt6-base-dev libgl1-mesa-dev libxcb1-dev libx11-dev # Qt 6 Widgets, its GL headers, X11
    qt6-tools-dev qt6-l10n-tools                        # translations
    libopenal-dev                                       # the sound mixer
    libsdl2-dev                                         # gamepads (SDL's game controllers)
    libavformat-dev libavcodec-dev libswresample-dev    # decoding of sound and music files
    fonts-dejavu-core                                   # a font with Cyrillic for the texts
)
test_packages=(
    libgtest-dev libgmock-dev googletest                # unit tests
    libbenchmark-dev                                    # benchmarks
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick  # end-to-end tests on a virtual screen
    desktop-file-utils appstream                        # checks of the menu entry and AppStream file
    dpkg-dev file                                       # the Debian package's dependencies
    openbox                                             # end-to-end cases under a window manager
)
packages=("${game_packages[@]}")
[[ $what == all ]] && packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
    [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" == ii* ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || { echo "setup: run as root to install ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A tree the tests built keeps its settings when the game is played: nothing is built again.
options=() targets=(--target tumblix_play)
if [[ $what == all ]]; then
    options=(-DTUMBLIX_WERROR=ON -DTUMBLIX_TESTS=ON -DTUMBLIX_BENCH=ON) targets=()
elif [[ ! -f build/CMakeCache.txt ]]; then
    options=(-DTUMBLIX_TESTS=OFF -DTUMBLIX_BENCH=OFF)
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${options[@]}"
cmake --build build -j"$(nproc)" "${targets[@]}"
