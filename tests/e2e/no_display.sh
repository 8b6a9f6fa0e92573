#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program started with no display, or with one that cannot be reached: one clear line on
# standard error, a non-zero exit code, and no abort (an abort ends with 134). --version and
# --help answer without any display and end with 0.
#   no_display.sh GAME VERSION
set -uo pipefail
game=$1 version=$2
# WHAT DISPLAY [OPTION...]: DISPLAY is "-u DISPLAY" or DISPLAY=...; options, unknown ones and
# Qt's own alike, start the game all the same.
check() {
    local what=$1 display=$2
    shift 2
    local err rc
    # shellcheck disable=SC2086
    err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$game" "$@" 2>&1 >/dev/null)
    rc=$?
    err=$(grep -v XDG_RUNTIME_DIR <<<"$err")
    if [ "$rc" = 0 ] || [ "$rc" -ge 128 ] || [ "$(grep -c . <<<"$err")" != 1 ] ||
        ! grep -q display <<<"$err"; then
        echo "FAIL ($what): exit code $rc, not one line about the display: $err" >&2
        exit 1
    fi
    echo "ok ($what): exit $rc: $err"
}
# With no DISPLAY and with one that cannot be reached, each behind an option the game ignores.
check "no DISPLAY, an unknown option" "-u DISPLAY" --bogus
check "an unreachable display, a Qt option" DISPLAY=:93 -style fusion
# OPTION EXPECTED: the option's standard output holds the line EXPECTED (a regular expression).
answers() {
    local out rc
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$1" 2>&1)
    rc=$?
    if [ "$rc" != 0 ] || ! grep -qx -- "$2" <<<"$out"; then
        echo "FAIL ($1): exit code $rc, no line \"$2\" in: $out" >&2
        exit 1
    fi
    echo "ok ($1)"
}
answers --version "tumblix $version"
answers --help " *-h, --help .*"
echo "PASS (no display)"
