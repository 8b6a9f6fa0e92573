#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot.png: the built game under a virtual X server plays a few seconds of
# its demo, and the main window is taken as it stands.   ./scripts/screenshot.sh [SECONDS, 20]
# Builds only what the game needs when it is missing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-20} tree=build
if [ -z "${SCREENSHOT_IN_X:-}" ]; then
    [ -f "$tree/CMakeCache.txt" ] || cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$tree" --target tumblix tumblix_sounds tumblix_x11_tool -j2 >/dev/null
    SCREENSHOT_IN_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$seconds"
fi
x11tool=$tree/tests/e2e/tumblix_x11_tool
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "screenshot: $*" >&2; exit 1; }
cp -r "$tree/game/." "$work/"  # the game writes its settings beside itself: a copy of its own
export ALSOFT_DRIVERS=null     # the sounds are mixed as usual, into nothing
. tests/e2e/lib.sh

start_game
wait_drawn
title_height
xsetroot -solid '#2e3440'  # a calm desktop behind the window
click_menu 2 upper  # Demo
sleep "$seconds"
mkdir -p docs
# Taken from the screen, so that the desktop shows where the window's outline is cut.
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage docs/screenshot.png
close_window Tumblix >/dev/null || fail "close request not sent"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
identify docs/screenshot.png
