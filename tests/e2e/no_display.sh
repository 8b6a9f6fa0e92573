#!/usr/bin/env bash
# The program started with no display, or with one that cannot be reached: one clear line on
# standard error, a non-zero exit code, and no abort (an abort ends with 134).
set -uo pipefail
game=$1
check() {
    local what=$1
    shift
    local err rc log
    log=$(mktemp)
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" >/dev/null 2>"$log"
    rc=$?
    err=$(grep -v XDG_RUNTIME_DIR "$log")
    rm -f "$log"
    if [ "$rc" = 0 ] || [ "$rc" -ge 128 ]; then
        echo "FAIL ($what): exit code $rc" >&2
        exit 1
    fi
    if [ "$(printf '%s\n' "$err" | grep -c .)" != 1 ] || ! grep -q display <<<"$err"; then
        echo "FAIL ($what): expected one line about the display, got: $err" >&2
        exit 1
    fi
    echo "ok ($what): exit $rc: $err"
}
check "no DISPLAY" env -u DISPLAY
check "unreachable display" env DISPLAY=:93
echo "PASS (no display)"
