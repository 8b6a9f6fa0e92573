#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program started with no display, or with one that cannot be reached: one clear line on
# standard error, a non-zero exit code, and no abort (an abort ends with 134). --version and
# --help answer without any display and end with 0.
#   no_display.sh GAME VERSION
set -uo pipefail
game=$1 version=$2
# WHAT DISPLAY LINE [OPTION...]: DISPLAY is "-u DISPLAY" or DISPLAY=...; LINE is a regular
# expression. Options, unknown ones and Qt's own alike, start the game all the same: with no
# display to reach, its output (less Qt's notice about its runtime folder) is that one line and
# it ends with 1 to 127 (no abort). WHAT --version or --help: the output holds the line, and 0.
check() {
    local what=$1 display=$2 line=$3 out rc
    shift 3
    # shellcheck disable=SC2086
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$game" "$@" 2>&1)
    rc=$?
    out=$(grep -v XDG_RUNTIME_DIR <<<"$out")
    case $what in
    --*) [ "$rc" = 0 ] ;;
    *) [ "$rc" != 0 ] && [ "$rc" -lt 128 ] && [ "$(grep -c . <<<"$out")" = 1 ] ;;
    esac && grep -qx -- "$line" <<<"$out" ||
        { echo "FAIL ($what): exit code $rc: $out" >&2; exit 1; }
    echo "ok ($what): exit $rc"
}
check "no DISPLAY, an unknown option" "-u DISPLAY" ".*display.*" --bogus
check "an unreachable display, a Qt option" DISPLAY=:93 ".*display.*" -style fusion
check --version "-u DISPLAY" "tumblix $version" --version
check --help "-u DISPLAY" " *-h, --help .*" --help
echo "PASS (no display)"
