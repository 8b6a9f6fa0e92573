#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text marked for translation in the sources has no finished English text in the
# translation file, or the file keeps a text the sources no longer have.
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -locations none -source-language ru "$sources" -ts "$work/check.ts"
if grep -nE -B2 'type="(unfinished|obsolete|vanished)"' "$work/check.ts"; then
    echo "translations: give these an English text (cmake --build build --target update_translations)" >&2
    exit 1
fi
