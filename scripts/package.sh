#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/tumblix_VERSION_ARCH.deb (dependencies computed from the
# binary). Install it with: apt install ./build/tumblix_*.deb
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh
(cd build && cpack -G DEB)
ls build/tumblix_*.deb
