#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by play.sh, test.sh and bench.sh: installs the Debian packages that are missing, then
# configures and builds the release tree in build/ (the game lands in build/game/tumblix).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    build-essential cmake pkg-config                    # compiler, build system, library lookup
    qt6-base-dev libgl1-mesa-dev libxcb1-dev libx11-dev # Qt 6 Widgets, its GL headers, X11
    qt6-tools-dev qt6-l10n-tools                        # translations
    libgtest-dev libgmock-dev googletest                # unit tests
    libbenchmark-dev                                    # benchmarks
    libopenal-dev                                       # the sound mixer
    libsdl2-dev                                         # gamepads (SDL's game controllers)
    libavformat-dev libavcodec-dev libswresample-dev    # decoding of sound and music files
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick  # end-to-end tests on a virtual screen
    openbox                                             # end-to-end cases under a window manager
    fonts-dejavu-core                                   # a font with Cyrillic for the texts
    desktop-file-utils appstream                        # checks of the menu entry and AppStream file
    dpkg-dev file                                       # the Debian package's dependencies
)

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

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTUMBLIX_WERROR=ON
cmake --build build -j"$(nproc)"
