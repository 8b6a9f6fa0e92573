#!/usr/bin/env bash
# End-to-end runs of the real program under a virtual X server, driven by real key events.
#   e2e.sh CASE GAME X11TOOL PROBE     (run inside xvfb-run)
# CASE: close        the board changes as a figure falls; the close request ends with 0
#       gameover-no  a held Down key fills the well; "Нет" in the game-over dialog ends with 0
#       gameover-yes the same, but "Да" starts a new game with an empty board and "---"
#       record       the name asked at game over is confirmed by Enter: the best-players
#                    file holds "UnNamed" with the score, best first
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
"$work/tumblix" >"$work/out.log" 2>&1 &
pid=$!

main=$("$x11tool" --wait Tumblix 15) || fail "no main window"

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
wait_drawn

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

case $case_name in
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
