#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds, then runs every benchmark program in build/bench. For a subset, run one directly,
# e.g. build/bench/tumblix_engine_bench --benchmark_filter=Land.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh
ran=0
for exe in build/bench/tumblix_*; do
    [[ -f "$exe" && -x "$exe" ]] || continue
    echo "== $exe"
    "$exe"
    ran=$((ran + 1))
done
((ran > 0)) || { echo "bench: no benchmark programs in build/bench" >&2; exit 1; }
