#!/usr/bin/env bash
# End-to-end runs of the real program under a virtual X server, driven by real key events.
#   e2e.sh CASE GAME X11TOOL PROBE     (run inside xvfb-run)
# CASE: close        the board changes as a figure falls; the close request ends with 0
#       gameover-no  a held Down key fills the well; "Нет" in the game-over dialog ends with 0
#       gameover-yes the same, but "Да" starts a new game with an empty board and "---"
#       outline      over a magenta desktop, the board frame's edges are where the window's
#                    outline is cut: the desktop shows just outside, the frame just inside
#       settings     the first start writes 66 lines; a statistics window closed before SIGTERM
#                    is saved closed and stays closed at the next start
#       readonly     in a folder it cannot write, the game plays to its end and writes nothing
#       about        a letter key opens the about window, which closes by itself
#       exit         the menu's Exit ends the program with 0 and saves the settings
#       record       the name asked at game over is confirmed by Enter: the best-players
#                    file holds "UnNamed" with the score, best first
#       dialogs      "Set" opens "Settings"; the ghost mode chosen there ("Показывать всегда") is
#                    written at exit and read again at the next start
#       sound        with OpenAL writing into a wave file: the music sounds from the start, and
#                    Left key presses add the move sound's clicks
set -euo pipefail
case_name=$1 game=$2 x11tool=$3 probe=${4:-}
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "FAIL ($case_name): $*" >&2
    [ -n "${E2E_KEEP:-}" ] && cp -r "$work" "$E2E_KEEP"
    exit 1
}

# Copies the game to a folder of its own: it writes its files beside itself.
cp "$game" "$work/tumblix"
if [ "$case_name" = sound ]; then
    cp -r "$(dirname "$game")/sound" "$(dirname "$game")/alsoft.conf" "$work/"
    printf '[general]\nchannels = stereo\nfrequency = 44100\nsample-type = float32\n[wave]\nfile = %s\n' \
        "$work/out.wav" >"$work/wave.conf"
    export ALSOFT_DRIVERS=wave ALSOFT_CONF="$work/wave.conf"
fi
# Starts the game (through the runner given, if any) and waits for its main window.
start_game() {
    "$@" "$work/tumblix" >"$work/out.log" 2>&1 &
    pid=$!
    main=$("$x11tool" --wait Tumblix 15) || fail "no main window"
}

# A region of the main window as a PPM file; the argument is WxH+X+Y in window pixels.
grab() { import -window "$main" -crop "$1" +repage "$work/$2.ppm"; }
same() { cmp -s "$work/$1.ppm" "$work/$2.ppm"; }
board=200x420+32+40    # inside the board picture
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
dialog_id() { xdotool search --onlyvisible --name '^Tumblix$' 2>/dev/null | grep -vx "$main" | head -1; }
dialog_shown() { [ -n "$(dialog_id)" ]; }
dialog_role() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'; }
wait_dialog() {  # ROLE: waits until that dialog is shown
    for _ in $(seq 100); do
        local d
        d=$(dialog_id)
        [ -n "$d" ] && [ "$(dialog_role "$d")" = "$1" ] && return 0
        sleep 0.1
    done
    fail "no $1 dialog"
}

wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end"
    set +e
    wait "$pid"
    local rc=$?
    set -e
    [ "$rc" = 0 ] || fail "exit code $rc; output: $(cat "$work/out.log")"
}

play_to_game_over() {
    grab "$score" score0
    grab "$lower" lower0
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool keydown Down
    for _ in $(seq 600); do
        dialog_shown && break
        xdotool keydown Down  # one more press, in case the server does not repeat keys
        sleep 0.05
    done
    xdotool keyup Down
    dialog_shown || fail "no dialog at game over"
    sleep 0.3
    # A score that enters the best-players table asks for a name first.
    if [ "$(dialog_role "$(dialog_id)")" = frmEnterName ]; then
        xdotool key Return
    fi
    wait_dialog frmGameOver
}

# Clicks the dialog's left ("Да") or right ("Нет") button; they stand side by side at its foot.
click_answer() {
    local d w h
    d=$(dialog_id)
    eval "$(xdotool getwindowgeometry --shell "$d")"
    w=$WIDTH h=$HEIGHT
    local x=$((w / 4))
    [ "$1" = no ] && x=$((w * 3 / 4))
    xdotool mousemove --window "$d" "$x" $((h - 24)) click 1
}

[ "$case_name" = readonly ] || { start_game && wait_drawn; }

# Sets T, the title strip's height: over a magenta desktop, the first row below the strip
# where the desktop shows through beside the board frame. Also sets X Y WIDTH HEIGHT.
title_height() {
    "$x11tool" --backdrop ff00ff
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

settings_file() { ls "$work"/Tmbx*.ini 2>/dev/null | head -1; }
lines_of() { tr -cd '\n' <"$1" | wc -c; }
shown_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }

case $case_name in
settings)
    ini=$(settings_file)
    [ -n "$ini" ] || fail "the first start wrote no settings file"
    [ "$(lines_of "$ini")" = 66 ] || fail "the default file has $(lines_of "$ini") lines"
    "$x11tool" Statistic || fail "no statistics window to close"
    sleep 0.3
    kill -TERM "$pid"
    wait_exit
    [ "$(lines_of "$ini")" = 64 ] || fail "SIGTERM did not save the closed window: $(cat "$ini")"
    start_game
    wait_drawn
    sleep 1
    [ -z "$(shown_window Statistic)" ] || fail "the closed statistics window came back"
    [ -n "$(shown_window 'The Best Of The Tumblix')" ] || fail "the best-players window is gone"
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    ;;
readonly)
    # An ordinary user in a folder of the administrator's: nothing can be written there.
    cp "${XAUTHORITY:-/dev/null}" "$work/.Xauthority" 2>/dev/null || true
    chmod 755 "$work"
    chmod 644 "$work/.Xauthority" 2>/dev/null || true
    export XAUTHORITY=$work/.Xauthority
    runner=()
    [ "$(id -u)" = 0 ] && runner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    [ "$(id -u)" = 0 ] || chmod 555 "$work"
    start_game "${runner[@]}"
    wait_drawn
    play_to_game_over
    click_answer no
    wait_exit
    [ -z "$(settings_file)" ] || fail "a settings file was written in a read-only folder"
    ;;
about)
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key a
    "$x11tool" --wait "About Tumblix" 5 >/dev/null || fail "a letter key opened no about window"
    for _ in $(seq 150); do
        [ -z "$(shown_window 'About Tumblix')" ] && break
        sleep 0.1
    done
    [ -z "$(shown_window 'About Tumblix')" ] || fail "the about window did not close by itself"
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    ;;
exit)
    title_height
    rm -f "$(settings_file)"
    # "Exit" is the upper menu row's last button: 6067, 7267 twips into the client area.
    xdotool mousemove --window "$main" $((4 + 6067 / 15)) $((T - 1 + 7267 / 15)) click 1
    wait_exit
    [ "$(lines_of "$(settings_file)")" = 66 ] || fail "Exit did not save the settings"
    ;;
dialogs)
    title_height
    # "Set" is the button left of "Exit" in the upper menu row.
    xdotool mousemove --window "$main" $((4 + 5467 / 15)) $((T - 1 + 7267 / 15)) click 1
    settings=$("$x11tool" --wait Settings 5) || fail "Set opened no settings dialog"
    [ "$(sed -n 65p "$(settings_file)" | tr -d ' \r')" = 1 ] || fail "the default ghost mode is not 1"
    # The focus goes from the sequence button to the grid box, then to the ghost mode's
    # checked option; Up moves to the option above it, "Показывать всегда", and space picks it.
    xdotool windowfocus --sync "$settings" 2>/dev/null || true
    xdotool key Tab Tab Up space
    sleep 0.3
    "$x11tool" Settings || fail "close request not sent to the settings dialog"
    sleep 0.3
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    [ "$(sed -n 65p "$(settings_file)" | tr -d ' \r')" = 2 ] || fail "the ghost mode was not saved"
    start_game
    wait_drawn
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    [ "$(sed -n 65p "$(settings_file)" | tr -d ' \r')" = 2 ] || fail "the ghost mode was lost at the restart"
    ;;
close)
    grab "$board" before
    sleep 1.5
    grab "$board" after
    same before after && fail "the board did not change while the figure fell"
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    ;;
gameover-no)
    play_to_game_over
    click_answer no
    wait_exit
    ;;
gameover-yes)
    play_to_game_over
    click_answer yes
    for _ in $(seq 50); do dialog_shown || break; sleep 0.1; done
    dialog_shown && fail "the dialog stayed open"
    kill -0 "$pid" 2>/dev/null || fail "the program ended instead of starting a new game"
    sleep 0.3
    grab "$score" score1
    grab "$lower" lower1
    same score0 score1 || fail "the score does not show --- again"
    same lower0 lower1 || fail "the well is not empty"
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    ;;
outline)
    # At 96 dots per inch the board frame spans window pixels 12..260 across and
    # T + 7 .. T + 447 down; the desktop shows just outside.
    title_height
    for probe in "11 250 outside" "12 250 inside" "259 250 inside" "263 250 outside" \
        "130 $((T + 6)) outside" "130 $((T + 7)) inside" "130 $((T + 447)) inside"; do
        set -- $probe
        colour=$(pixel "$1" "$2")
        if [ "$3" = outside ]; then
            [ "$colour" = ff00ff ] || fail "($1, $2) is $colour, not the desktop"
        else
            case $colour in ff00ff | 000000) fail "($1, $2) is $colour, not the frame" ;; esac
        fi
    done
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    ;;
sound)
    sleep 1.4
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    for _ in 1 2 3; do xdotool key Left; sleep 0.25; done
    sleep 0.3
    "$x11tool" Tumblix || fail "close request not sent"
    wait_exit
    read -r level quiet < <("$probe" "$work/out.wav" 0.2 1.2) || fail "no sound was written"
    read -r _ clicks < <("$probe" "$work/out.wav" 1.3 9) || fail "the recording is too short"
    awk -v l="$level" 'BEGIN { exit !(l > -40) }' || fail "no music from the start ($level dB)"
    awk -v q="$quiet" -v c="$clicks" 'BEGIN { exit !(c > q + 6) }' ||
        fail "no move sound: clicks $clicks dB against $quiet dB of music alone"
    ;;
record)
    play_to_game_over
    click_answer no
    wait_exit
    table="$work/TumblixFathers.txt"
    [ -f "$table" ] || fail "no best-players file"
    first=$(head -1 "$table" | tr -d '\r')
    [ "$first" = UnNamed ] || fail "first name is '$first': $(cat "$table")"
    score=$(sed -n 2p "$table" | tr -d '\r ')
    [ "$score" -gt 0 ] || fail "score '$score'"
    [ "$(sed -n 3p "$table" | tr -d '\r')" = Guest ] || fail "the default entry is not below it"
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS ($case_name)"
