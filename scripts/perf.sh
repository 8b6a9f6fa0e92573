#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the running game costs the machine: the real game under a virtual X server, once with no
# sound device and once with OpenAL's null device playing the music, 10 s of a falling figure
# after start-up. Prints for each: wake-ups a second (voluntary context switches of all the
# program's threads), CPU in % of one core, resident memory, the time to its first window and to
# its main window (which follows the music's start).
# A third run pauses the game (Esc, which also minimises it) with no sound device: then nothing
# moves, and nothing of the game's should wake it.
#   ./scripts/perf.sh [GAME, default build/game/tumblix] [RUNS, default 1]
# Set PERF_SECONDS for another window than 10 s, TUMBLIX_VIRTUAL_GAMEPAD=1 to measure with a
# gamepad plugged in (SDL's virtual one), PERF_MUSIC=FILE to play that file as the music instead
# of the game's own. Build the game first:
#   cmake --build build --target tumblix
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
game=${1:-build/game/tumblix} runs=${2:-1} seconds=${PERF_SECONDS:-10}
[ -x "$game" ] || { echo "perf: no game at $game (build the tumblix target)" >&2; exit 1; }
game=$(realpath "$game")
if [ -z "${PERF_IN_X:-}" ]; then
    PERF_IN_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$game" "$runs"
fi

work=$(mktemp -d)
pid= spy=
trap 'kill $pid $spy 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "perf: $*" >&2; exit 1; }

# Sum of the voluntary context switches of every thread of process $1.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }'; }
# Processor time of process $1 in clock ticks (user + system, all threads).
cputicks() { awk '{ print $14 + $15 }' /proc/"$1"/stat; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One run: $1 is none (no sound device), null (the null device) or paused (no device, Esc
# pressed). Prints one line of figures.
measure() {
    local device=$1 dir=$work/$1
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$game" "$dir/tumblix"
    cp -r "$(dirname "$game")/sound" "$(dirname "$game")/alsoft.conf" "$dir/"
    cp "$(dirname "$game")/libtumblix_decoder.so" "$dir/" 2>/dev/null || true  # FFmpeg's files
    [ -z "${PERF_MUSIC:-}" ] || cp "$PERF_MUSIC" "$dir/sound/BkgMusic.wav"
    # The first window the program maps, seen from the root window's substructure events.
    xev -root -event substructure >"$dir/xev.log" 2>/dev/null &
    spy=$!
    sleep 0.3
    local start
    start=$(now_ms)
    if [ "$device" != null ]; then
        ALSOFT_DRIVERS=no-such-backend "$dir/tumblix" >"$dir/out.log" 2>&1 &
    else
        ALSOFT_DRIVERS=null "$dir/tumblix" >"$dir/out.log" 2>&1 &
    fi
    pid=$!
    local first=
    for _ in $(seq 3000); do
        grep -q '^MapNotify' "$dir/xev.log" && { first=$(($(now_ms) - start)); break; }
        sleep 0.001
    done
    [ -n "$first" ] || fail "no window within 3 s ($device)"
    kill "$spy" 2>/dev/null || true
    # The main window follows the splash; then the figure falls.
    local main= shown=
    for _ in $(seq 500); do
        main=$(xdotool search --onlyvisible --name '^Tumblix$' 2>/dev/null | head -1 || true)
        [ -n "$main" ] && { shown=$(($(now_ms) - start)); break; }
        sleep 0.02
    done
    [ -n "$main" ] || fail "no main window ($device)"
    sleep 2
    if [ "$device" = paused ]; then
        xdotool windowfocus --sync "$main" 2>/dev/null || true
        xdotool key Escape
        sleep 1
    fi
    local w0 c0 w1 c1 rss hz
    w0=$(wakeups "$pid") c0=$(cputicks "$pid")
    sleep "$seconds"
    w1=$(wakeups "$pid") c1=$(cputicks "$pid")
    rss=$(awk '/^VmRSS/ { print $2 }' /proc/"$pid"/status)
    hz=$(getconf CLK_TCK)
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
    awk -v d="$device" -v w=$((w1 - w0)) -v c=$((c1 - c0)) -v s="$seconds" -v hz="$hz" \
        -v rss="$rss" -v f="$first" -v m="$shown" 'BEGIN {
            printf "%-6s %12.0f %8.1f %10.1f %14d %13d\n", d, w / s, 100 * c / hz / s, rss / 1024, f, m }'
}

printf "%-6s %12s %8s %10s %14s %13s\n" device wakeups/s cpu% rss_mb first_window_ms main_window_ms
for _ in $(seq "$runs"); do
    measure none
    measure null
    measure paused
done
