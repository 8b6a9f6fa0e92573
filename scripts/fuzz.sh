#!/usr/bin/env bash
# Fuzzes the game's own file readers (the best-players table and the settings file, each read
# and round-tripped) with libFuzzer:  ./scripts/fuzz.sh [SECONDS per target, default 600]
# Builds with clang into build-fuzz/; each target starts from its seed corpus in
# tests/fuzz/corpus and keeps what it finds in build-fuzz/corpus. A finding stops the run with
# the input written to build-fuzz/; add it to the seed corpus once fixed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-600}
missing=()
for p in clang-14 libclang-rt-14-dev; do
    [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" == ii* ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
./scripts/setup.sh >/dev/null  # the other packages the tree needs to configure
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUMBLIX_FUZZ=ON -DTUMBLIX_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target tumblix_records_fuzz tumblix_settings_fuzz
for target in records settings; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target, $seconds s"
    (cd build-fuzz && "./tests/fuzz/tumblix_${target}_fuzz" -max_total_time="$seconds" \
        -print_final_stats=1 "corpus/$target" "../tests/fuzz/corpus/$target")
done
