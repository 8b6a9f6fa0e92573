#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end runs of the real program under a virtual X server, driven by real key events.
#   e2e.sh CASE GAME X11TOOL PROBE     (run inside xvfb-run)
# CASE: outline      over a magenta desktop, the board frame's edges are where the window's
#                    outline is cut: the desktop shows just outside, the frame just inside; the
#                    five windows and the about window carry the game's icon (square pictures of
#                    16 to 256 pixels holding its dark well, #101848) and the class the menu entry
#                    names as StartupWMClass, so the desktop groups them under it
#       installed    the installed game, its folder read-only, keeps its files in the
#                    player's folder ~/.local/share/tumblix; the menu entry and AppStream file validate,
#                    and the AppStream file and the copyright file name the GPL, version 3 or later;
#                    a held Down key fills the well; the name asked at game over is confirmed by
#                    Enter, "Да" starts a new game with an empty board and "---"; the best-players
#                    file holds "UnNamed" with the score, best first; with no sound device,
#                    standard error holds no line from the sound libraries, unless
#                    TUMBLIX_SOUND_DEBUG=1 asks for them; with TONE, an MP3 for the player loads
#                    the installed decoder module
#       dialogs      the first start writes 66 lines; "Auto" docks the side windows: each frame
#                    (with E2E_WM=openbox, as the window manager draws it) at its place, clear of
#                    the next, no maximise offered; "Set" opens "Settings"; the ghost mode chosen
#                    there ("Показывать всегда") is written when the menu's Exit ends the program
#                    with 0; the next start shows the column again; Esc minimises the side
#                    windows and a restore brings them back; SIGTERM saves the settings read and
#                    the statistics and best-players windows closed (that a closed window stays
#                    closed is the window tests')
#       sound        with OpenAL writing into a wave file: the music sounds from the start, and
#                    Left key presses add the move sound's clicks; the game's own wave files
#                    never bring in FFmpeg (its libraries and the decoder module stay unmapped);
#                    without the decoder module, an MP3 named as the background music and as the
#                    player's file plays nothing, and the game runs on and ends with 0 (the
#                    installed case sees the settings' MP3 played through the module; the player
#                    window's close box is the window tests')
#   e2e.sh ... PROBE TONE    TONE PATH [SECONDS RATE CHANNELS] writes a tone MP3
set -euo pipefail
case_name=$1 game=$2 x11tool=$3 probe=${4:-} tone=${5:-}
# Under the sanitizers, leaks inside Qt's own libraries are not the program's (see lsan.supp).
if [ -n "${LSAN_OPTIONS:-}" ]; then
    export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0"
fi
work=$(mktemp -d)
trap 'kill "$pid" $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "FAIL ($case_name): $*" >&2
    [ -n "${E2E_GDB:-}" ] && gdb -p "$pid" -batch -ex "thread apply all bt" > "$work/gdb.txt" 2>&1
    [ -n "${E2E_KEEP:-}" ] && { import -window root "$work/fail.png" 2>/dev/null; cp -r "$work" "$E2E_KEEP"; }
    exit 1
}

# Copies the game and its decoder module to a folder of its own, with a sound folder: such a
# copy writes its files beside itself.
cp "$game" "$work/tumblix"
cp "$(dirname "$game")/libtumblix_decoder.so" "$work/"
mkdir "$work/sound"
if [ "$case_name" = sound ]; then
    cp -r "$(dirname "$game")/sound/." "$work/sound/"
    cp "$(dirname "$game")/alsoft.conf" "$work/"
    printf '[general]\nchannels = stereo\nfrequency = 44100\nsample-type = float32\n[wave]\nfile = %s\n' \
        "$work/out.wav" >"$work/wave.conf"
    export ALSOFT_DRIVERS=wave ALSOFT_CONF="$work/wave.conf"
fi
# No sound device on any machine: ALSA reads a configuration that names none.
if [ "$case_name" = installed ]; then
    : >"$work/alsa.conf"
    export ALSOFT_DRIVERS=alsa ALSA_CONFIG_PATH=$work/alsa.conf
fi
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# With E2E_WM=openbox, a window manager frames the windows, as on a desktop.
if [ -n "${E2E_WM:-}" ]; then
    "$E2E_WM" --sm-disable >/dev/null 2>&1 &
    settled eval "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "no window manager"
fi

# The desktop's resolution for Qt, as a desktop session sets it (Xft.dpi), while a client
# stays connected so that the server keeps it.
dpi=${E2E_DPI:-96}
if [ "$dpi" != 96 ]; then
    xprop -root -spy >/dev/null 2>&1 &
    sleep 0.3
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
fi
case $case_name in installed) ;; *) start_game && wait_drawn ;; esac

lines_of() { tr -cd '\n' <"$1" | wc -c; }

case $case_name in
installed)
    # Installed into a prefix nobody may write (or, with E2E_PROGRAM, the installed package's
    # program), started by an ordinary user with a home of its own: the files go to the
    # per-user folder, nothing anywhere else.
    prefix=$work/prefix
    if [ -n "${E2E_PROGRAM:-}" ]; then
        prefix=$(dirname "$(dirname "$E2E_PROGRAM")")
    else
        cmake --install "$(dirname "$(dirname "$game")")" --prefix "$prefix" >/dev/null ||
            fail "install failed"
        chmod -R a-w "$prefix"
    fi
    desktop-file-validate "$prefix"/share/applications/io.github.tumblix.Tumblix.desktop ||
        fail "desktop entry"
    metainfo=$prefix/share/metainfo/io.github.tumblix.Tumblix.metainfo.xml
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.txt" ||
        fail "AppStream file: $(cat "$work/appstream.txt")"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" &&
        grep -qx 'License: GPL-3+' "$prefix/share/doc/tumblix/copyright" ||
        fail "the AppStream file or the copyright file names no GPL version 3 or later"
    # Started as an ordinary user when the tests run as the administrator, whom permissions
    # do not bind; that user may reach the virtual display.
    cp "${XAUTHORITY:-/dev/null}" "$work/.Xauthority" 2>/dev/null || true
    chmod 755 "$work"
    chmod 644 "$work/.Xauthority" 2>/dev/null || true
    export XAUTHORITY=$work/.Xauthority
    runner=()
    [ "$(id -u)" = 0 ] && runner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    mkdir -p "$work/home"
    [ "$(id -u)" = 0 ] && chown 65534:65534 "$work/home"
    touch "$work/started"
    program=$prefix/games/tumblix
    start_game "${runner[@]}" env HOME="$work/home" XDG_DATA_HOME=
    wait_drawn
    play_to_game_over
    click_answer yes
    settled eval '[ -z "$(dialog_id)" ]' || fail "the dialog stayed open"
    sleep 0.3
    grab "$score" score1
    grab "$lower" lower1
    cmp -s "$work/score0.ppm" "$work/score1.ppm" || fail "the score does not show --- again"
    cmp -s "$work/lower0.ppm" "$work/lower1.ppm" || fail "the well is not empty"
    close_game
    noise=$(grep -v XDG_RUNTIME_DIR "$work/out.log" || true)
    [ -z "$noise" ] || fail "without a sound device the game wrote: $noise"
    mine=$work/home/.local/share/tumblix
    ls "$mine"/Tmbx*.ini >/dev/null 2>&1 || fail "no settings file in $mine: $(ls -la "$mine")"
    # The name, a score above 0, then the default entry.
    table=$(head -3 "$mine/TumblixFathers.txt" | tr -d '\r ' | tr '\n' ' ')
    [[ $table =~ ^UnNamed\ [1-9][0-9]*\ Guest\ $ ]] || fail "best-players file in $mine: $table"
    written=$(find "$prefix/games" "$prefix/share/games/tumblix" -newer "$work/started" -type f)
    [ -z "$written" ] || fail "written into the installed game: $written"
    start_game "${runner[@]}" env HOME="$work/home" XDG_DATA_HOME= TUMBLIX_SOUND_DEBUG=1
    wait_drawn
    close_game
    grep -q '^AL lib' "$work/out.log" && grep -q '^ALSA lib' "$work/out.log" ||
        fail "TUMBLIX_SOUND_DEBUG=1 showed no messages of OpenAL and ALSA: $(cat "$work/out.log")"
    # An MP3 for the player brings in the installed decoder module.
    if [ -n "$tone" ]; then
        "$tone" "$work/tone.mp3" && chmod 644 "$work/tone.mp3" || fail "no tone file"
        sed -i "61s|.*|$work/tone.mp3|" "$(ls "$mine"/Tmbx*.ini | head -1)"
        start_game "${runner[@]}" env HOME="$work/home" XDG_DATA_HOME= ALSOFT_DRIVERS=null
        wait_drawn
        sleep 1
        grep -q lib/games/tumblix/libtumblix_decoder.so "/proc/$pid/maps" ||
            fail "the installed game did not load its decoder module"
        close_game
    fi
    ;;
dialogs)
    # "Auto" stands the side windows in their column, which the next start shows again.
    title_height
    ini=$(ls "$work"/Tmbx*.ini | head -1)
    [ "$(lines_of "$ini")" = 66 ] || fail "the default file has $(lines_of "$ini") lines"
    ghost() { tail -2 "$ini" | head -1 | tr -d ' \r'; }  # the line before the last
    click_menu 0 lower  # Auto
    settled docked_column
    click_menu 3 upper  # Set
    settings=$(wait_window Settings 5) || fail "Set opened no settings dialog"
    # The focus goes from the sequence button to the grid box, then to the ghost mode's
    # checked option; Up moves to the option above it, "Показывать всегда", and space picks it.
    xdotool windowfocus --sync "$settings" 2>/dev/null || true
    xdotool key Tab Tab Up space
    sleep 0.3
    close_window Settings || fail "close request not sent to the settings dialog"
    sleep 0.3
    click_menu 4 upper  # Exit
    wait_exit
    [ "$(ghost)" = 2 ] || fail "Exit did not save the settings: $(cat "$ini")"
    start_game && wait_drawn
    settled docked_column
    # Under a window manager Esc minimises the side windows with the main window, and
    # restoring it restores them.
    if [ -n "${E2E_WM:-}" ]; then
        xdotool windowfocus --sync "$main" key Escape
        settled eval '[ -z "$(shown_window Statistic)$(shown_window Tumblix)" ]' ||
            fail "Esc minimised not all"
        xdotool windowactivate "$main"
        settled docked_column
    fi
    close_window Statistic || fail "no statistics window to close"
    close_window 'The Best Of The Tumblix' || fail "the best-players window is gone"
    sleep 0.3
    kill -TERM "$pid"
    wait_exit
    [ "$(ghost) $(lines_of "$ini")" = "2 62" ] || fail "SIGTERM did not save the settings: $(cat "$ini")"
    ;;
outline)
    # At 96 dots per inch the board frame spans window pixels 12..260 across and
    # T + 7 .. T + 447 down (T the title strip's height); the desktop shows just outside.
    # Higher resolutions scale all of it; px converts, d is the title strip in 96-dpi pixels.
    title_height
    px() { echo $(($1 * dpi / 96)); }
    d=$((T * 96 / dpi))
    for probe in "$(($(px 11) - 1)) $(px 250) outside" "$(($(px 12) + 1)) $(px 250) inside" \
        "$(($(px 259) - 1)) $(px 250) inside" "$(($(px 263) + 1)) $(px 250) outside" \
        "$(px 130) $(($(px $((d + 7))) - 2)) outside" "$(px 130) $(($(px $((d + 7))) + 1)) inside" \
        "$(px 130) $(($(px $((d + 447))) - 1)) inside"; do
        set -- $probe
        # Outside the desktop's magenta; inside the frame, neither it nor black.
        case "$3 $(pixel "$1" "$2")" in
        "outside ff00ff") ;;
        outside* | "inside ff00ff" | "inside 000000") fail "($1, $2) is $(pixel "$1" "$2"): $3" ;;
        esac
    done
    # The five windows and the about window carry the game's icon and class.
    class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../desktop/io.github.tumblix.Tumblix.desktop")
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key a
    for title in Tumblix 'The Best Of The Tumblix' Statistic Future '*.mp3 & *.wma Player' 'About Tumblix'; do
        w=$(wait_window "$title" 5) || fail "no window $title"
        case $(xprop -id "$w" WM_CLASS) in *", \"$class\"") ;; *) fail "$title: the class is not '$class'" ;; esac
        # Width, height and their pixels (ARGB), for each picture in turn.
        xprop -id "$w" -f _NET_WM_ICON 32c _NET_WM_ICON | sed 's/^[^=]*=//' | tr ',' '\n' | awk '
            { a[NR] = $1 }
            END {
                for (i = 1; i <= NR; i += 2 + a[i] * a[i]) {
                    if (a[i] != a[i + 1] || a[i] < 16 || a[i] > 256 || i + 1 + a[i] * a[i] > NR) exit 1
                    well = 0
                    for (j = i + 2; j < i + 2 + a[i] * a[i]; j++) if (a[j] == 4279244872) well = 1
                    if (!well) exit 1
                }
                exit !(NR > 2 && i == NR + 1)
            }' || fail "$title carries no icon of the game's: $(xprop -id "$w" _NET_WM_ICON | head -2)"
    done
    kill -TERM "$pid" && wait_exit  # the about window holds off a close request
    ;;
sound)
    sleep 1.4
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    for _ in 1 2 3; do xdotool key Left; sleep 0.25; done
    sleep 0.3
    ! grep -E 'libav|libtumblix_decoder' "/proc/$pid/maps" || fail "FFmpeg was loaded for wave files"
    close_game
    read -r level quiet < <("$probe" "$work/out.wav" 0.2 1.2) || fail "no sound was written"
    read -r _ clicks < <("$probe" "$work/out.wav" 1.3 9) || fail "the recording is too short"
    awk -v l="$level" 'BEGIN { exit !(l > -40) }' || fail "no music from the start ($level dB)"
    awk -v q="$quiet" -v c="$clicks" 'BEGIN { exit !(c > q + 6) }' ||
        fail "no move sound: clicks $clicks dB against $quiet dB of music alone"
    "$tone" "$work/a.mp3" || fail "no tone file"
    # Without the decoder module, an MP3 as the music and as the player's file plays nothing.
    rm "$work/libtumblix_decoder.so"
    sed -i -e "17s|.*|$work/a.mp3|" -e "61s|.*|$work/a.mp3|" "$(ls "$work"/Tmbx*.ini | head -1)"
    start_game && wait_drawn
    sleep 3
    kill -0 "$pid" 2>/dev/null || fail "the game ended: $(cat "$work/out.log")"
    ! ls -l "/proc/$pid/fd" | grep -q a.mp3 || fail "an MP3 played without the decoder module"
    kill -TERM "$pid" && wait_exit
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS ($case_name)"
