#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real game in demo mode under a virtual X server for a while, starting a new game
# whenever one ends, and reports the game's resident memory each minute and any sanitizer
# report:   ./scripts/soak.sh [MINUTES, default 30] [BUILD_DIR, default build]
# (build-asan for the sanitizer build, made by ./scripts/test.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
minutes=${1:-30} tree=${2:-build}
if [ -z "${SOAK_IN_X:-}" ]; then
    [ -x "$tree/game/tumblix" ] || ./scripts/setup.sh >/dev/null
    SOAK_IN_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$minutes" "$tree"
fi
x11tool=$tree/tests/e2e/tumblix_x11_tool
[ -x "$x11tool" ] || cmake --build "$tree" --target tumblix_x11_tool >/dev/null
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "soak: $*" >&2; exit 1; }
cp -r "$tree/game/." "$work/"
export ALSOFT_DRIVERS=null  # the sounds are mixed as usual, into nothing
. tests/e2e/lib.sh

start_game
wait_drawn
title_height
click_menu 2 upper  # Demo
games=1
end=$((SECONDS + minutes * 60)) next=$((SECONDS + 60))
echo "minute  rss_kb  games"
while ((SECONDS <= end)); do
    kill -0 "$pid" 2>/dev/null || fail "the game ended after $((SECONDS / 60)) minutes: $(tail -5 "$work/out.log")"
    d=$(dialog_id)
    if [ -n "$d" ]; then
        case $(dialog_role "$d") in
        # A dialog may close between the look and the key: the next round looks again.
        frmEnterName) xdotool key --window "$d" Return 2>/dev/null || true ;;
        frmGameOver)
            click_answer yes 2>/dev/null || true
            sleep 1
            click_menu 2 upper || true  # the new game starts without the demo
            games=$((games + 1))
            ;;
        esac
    fi
    if ((SECONDS >= next)); then
        printf '%6d  %6s  %5d\n' $((next / 60)) "$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")" "$games"
        next=$((next + 60))
    fi
    sleep 0.5
done
close_window Tumblix >/dev/null || fail "close request not sent"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if grep -E "ERROR: AddressSanitizer|runtime error|ERROR: LeakSanitizer" "$work/out.log"; then
    fail "sanitizer report above"
fi
echo "soak: $minutes minutes, $games games, no sanitizer report"
