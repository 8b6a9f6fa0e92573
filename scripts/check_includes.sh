#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file under src/ includes a folder on a higher floor than its own, when a file
# outside src/app includes app/, or when files include each other in a circle.
#   engine, files, base, tools (1) < settings, control, widgets (2)
#   < sound, records, sequence, chooser, gamepad (3) < mp3, settings_dialog (4) < ui (5) < app (6)
set -euo pipefail
src="${1:-$(dirname "${BASH_SOURCE[0]}")/../src}"
cd "$src"

declare -A floor=(
    [engine]=1 [files]=1 [base]=1 [tools]=1
    [settings]=2 [control]=2 [widgets]=2
    [sound]=3 [records]=3 [sequence]=3 [chooser]=3 [gamepad]=3
    [mp3]=4 [settings_dialog]=4
    [ui]=5
    [app]=6
)

faults=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

while IFS= read -r file; do
    from="${file%%/*}"
    if [[ -z "${floor[$from]:-}" ]]; then
        echo "$file: the folder $from has no floor" >&2
        faults=$((faults + 1))
        continue
    fi
    echo "$file $file" >>"$edges"
    while IFS= read -r target; do
        if [[ "$target" != */* ]]; then
            target="$(dirname "$file")/$target"
        fi
        to="${target%%/*}"
        [[ -e "$target" ]] && echo "$file $target" >>"$edges"
        [[ -z "${floor[$to]:-}" ]] && continue
        if [[ "$to" == app && "$from" != app ]]; then
            echo "$file includes $target: nothing outside app/ includes app/" >&2
            faults=$((faults + 1))
        elif [[ "$to" != "$from" ]] && ((floor[$to] >= floor[$from])); then
            echo "$file includes $target: $to (floor ${floor[$to]}) is not below $from (floor ${floor[$from]})" >&2
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort)

if ! tsort "$edges" >/dev/null 2>"$edges.loop"; then
    echo "files include each other in a circle:" >&2
    cat "$edges.loop" >&2
    faults=$((faults + 1))
fi
rm -f "$edges.loop"

if ((faults > 0)); then
    echo "$faults include fault(s)" >&2
    exit 1
fi
echo "includes run downwards"
