#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the game's own file readers (the best-players table and the settings file, each read
# and round-tripped) and its sound decoder with libFuzzer:
#   ./scripts/fuzz.sh [SECONDS per target, default 600] [TARGET ...: records settings decoder]
# Builds with clang into build-fuzz/; each target starts from its seed corpus (tests/fuzz/corpus,
# for the decoder also the one made at build time) and keeps what it finds in build-fuzz/corpus.
# An input may cost at most 512 MB of memory. A finding stops the run with the input written to
# build-fuzz/; add it to the seeds once fixed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-600}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(records settings decoder)
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
build=(tumblix_decoder_corpus)
for target in "${targets[@]}"; do build+=("tumblix_${target}_fuzz"); done
cmake --build build-fuzz -j"$(nproc)" --target "${build[@]}"
for target in "${targets[@]}"; do
    seeds=()
    for dir in ../tests/fuzz/corpus/$target tests/fuzz/corpus/$target; do  # kept, made
        [ -d "build-fuzz/$dir" ] && seeds+=("$dir")
    done
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target, $seconds s"
    # AddressSanitizer keeps freed blocks aside (256 MB by default), which counts towards the
    # bound; with less of that the bound is what an input costs.
    (cd build-fuzz && ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64} \
        "./tests/fuzz/tumblix_${target}_fuzz" -max_total_time="$seconds" \
        -rss_limit_mb=512 -print_final_stats=1 "corpus/$target" "${seeds[@]}")
done
