# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end runs and the soak run: the real game under a virtual X server.
# The caller sets work (the game's folder, holding tumblix), x11tool, and a fail function;
# start_game sets pid and main.

# Starts the game (through the runner given, if any) and waits for its main window.
start_game() {
    "$@" "${program:-$work/tumblix}" >"$work/out.log" 2>&1 &
    pid=$!
    main=$(wait_window Tumblix 30) || fail "no main window"
}

# A region of the main window as a PPM file; the argument is WxH+X+Y in window pixels.
grab() { import -window "$main" -crop "$1" +repage "$work/$2.ppm"; }
score=120x27+288+61    # the score label
lower=200x200+32+260   # the lower half of the well

# Waits until the window shows more than one colour in the score label: it is drawn.
wait_drawn() {
    for _ in $(seq 50); do
        grab "$score" probe
        [ "$(identify -format %k "$work/probe.ppm")" -gt 1 ] && return 0
        sleep 0.1
    done
    fail "the main window was never drawn"
}

# A shown dialog of the game (a window titled Tumblix other than the main window), and its
# role: frmEnterName for the name entry, frmGameOver for the new-game question.
dialog_id() { xdotool search --onlyvisible --name '^Tumblix$' 2>/dev/null | grep -vx "$main" | head -1 || true; }
dialog_role() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'; }
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end"
    local rc=0
    wait "$pid" || rc=$?
    [ "$rc" = 0 ] || fail "exit code $rc; output: $(cat "$work/out.log")"
}

play_to_game_over() {
    grab "$score" score0
    grab "$lower" lower0
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool keydown Down
    for _ in $(seq 600); do
        [ -n "$(dialog_id)" ] && break
        xdotool keydown Down  # one more press, in case the server does not repeat keys
        sleep 0.05
    done
    xdotool keyup Down
    # A score that enters the best-players table asks for a name first; Enter confirms it
    # (again if the key came before the dialog had the keyboard). Then the new-game question.
    local d
    for _ in $(seq 100); do
        sleep 0.3
        d=$(dialog_id)
        case $([ -z "$d" ] || dialog_role "$d") in
        frmGameOver) return 0 ;;
        frmEnterName)
            xdotool windowfocus --sync "$d" 2>/dev/null || true
            xdotool key Return
            ;;
        esac
    done
    fail "no game-over dialog"
}

# Clicks the dialog's left button, "Да" (yes); "Нет" stands beside it at its foot.
click_answer() {
    local d
    d=$(dialog_id)
    eval "$(xdotool getwindowgeometry --shell "$d")"
    xdotool mousemove --window "$d" $((WIDTH / 4)) $((HEIGHT - 24)) click 1
}

# Sets T, the title strip's height: over a magenta desktop, the first row below the strip
# where the desktop shows through beside the board frame. Also sets X Y WIDTH HEIGHT.
title_height() {
    xsetroot -solid '#ff00ff'
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -depth 8 rgb:"$work/win.rgb"
    T=0
    while [ "$(pixel 130 "$T")" != ff00ff ]; do
        T=$((T + 1))
        [ "$T" -lt 60 ] || fail "no desktop below the title strip"
    done
}
# The colour of window pixel X Y of the last title_height grab, as RRGGBB.
pixel() { od -An -tx1 -j $((($2 * WIDTH + $1) * 3)) -N 3 "$work/win.rgb" | tr -d ' \n'; }

# Asks the shown window titled TITLE to close, as its close button does; fails without one.
close_window() {
    local w
    w=$(shown_window "$1")
    [ -n "$w" ] && "$x11tool" "$w"
}
# Asks the main window to close and waits for the program's end; a refused request fails.
close_game() {
    close_window Tumblix || fail "close request not sent"
    wait_exit
}

# Prints the id of a shown window titled TITLE once there is one; fails after SECS seconds.
wait_window() {
    local w
    for _ in $(seq $(($2 * 10))); do
        w=$(shown_window "$1")
        [ -n "$w" ] && echo "$w" && return 0
        sleep 0.1
    done
    return 1
}
# The id of a shown window titled exactly TITLE, or nothing.
shown_window() {
    local re
    re=$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')
    xdotool search --onlyvisible --name "^$re\$" 2>/dev/null | head -1 || true
}

# Clicks a menu button: COLUMN 0..4 from the left, ROW upper (Pause Help Demo Set Exit) or
# lower (Auto Future Best Stat MP3). Needs T from title_height; positions at 96 dots per inch.
click_menu() {
    local top=240
    [ "$2" = lower ] && top=630
    local x=$(((3240 + 60 + 75 + $1 * 600 + 292) / 15)) y=$(((6840 + 15 + top + 172) / 15))
    xdotool mousemove --window "$main" $((4 + x)) $((T - 1 + y)) click 1
}

# The docked column at 96 dots per inch: each side window's frame 20 twips right of the main
# window and its offset below the main window's top, each frame clear of the one above it.
docked_column() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local above=0 entry off title w ol ot ob
    for entry in "0 Future" "1500 Statistic" "4800 *.mp3 & *.wma Player" \
        "6100 The Best Of The Tumblix"; do
        off=${entry%% *} title=${entry#* }
        w=$(shown_window "$title")
        [ -n "$w" ] || fail "$title is not shown"
        # The outer left, top and bottom: with the frame the window manager reports
        # (_NET_FRAME_EXTENTS), none on a bare server.
        # shellcheck disable=SC2046
        set -- $(xwininfo -id "$w" | awk '/Absolute upper-left [XY]:|Width:|Height:/ {print $NF}') \
            $(xprop -id "$w" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,) 0 0 0 0
        ol=$(($1 - $5)) ot=$(($2 - $7)) ob=$(($2 + $4 + $8))
        ! xprop -id "$w" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE || fail "$title offers to maximise"
        [ $((ol - X - WIDTH)) -ge 0 ] && [ $((ol - X - WIDTH)) -le 2 ] &&
            [ $((ot - Y - off / 15)) -ge -1 ] && [ $((ot - Y - off / 15)) -le 1 ] ||
            fail "$title's frame stands at ($ol, $ot), the main window at ($X, $Y) ${WIDTH}x$HEIGHT"
        [ "$ot" -ge "$above" ] || fail "$title's frame from $ot covers the window above it (to $above)"
        above=$ob
    done
}

# Runs CHECK until it passes, for up to 3 s, then once more to fail as it fails.
settled() {
    for _ in $(seq 50); do
        ("$@") >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    "$@"
}
