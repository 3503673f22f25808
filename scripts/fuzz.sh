#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for
# SECONDS (default 60), starting from the inputs kept in fuzz/corpus. New
# inputs go to build-fuzz/corpus, anything that fails to build-fuzz/findings;
# the script fails when a target finds something. (The normal build replays
# the kept inputs through every target as the tests fuzz_corpus_*.)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${JOBS:-2}
# New build folders are built by Ninja (existing ones keep their tool).
export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDBFVIEW_BUILD_FUZZ=ON \
  -DDBFVIEW_BUILD_UI=OFF -DDBFVIEW_BUILD_BENCH=OFF
# Each target with the folder of fuzz/corpus it starts from, as fuzz/CMakeLists.txt names them.
mapfile -t pairs < build-fuzz/fuzz/targets.txt
targets=()
for pair in "${pairs[@]}"; do targets+=("${pair%% *}_fuzzer"); done
cmake --build build-fuzz -j"$jobs" --target "${targets[@]}"

mkdir -p build-fuzz/findings
for pair in "${pairs[@]}"; do
  target=${pair%% *}
  seeds=${pair#* }
  mkdir -p "build-fuzz/corpus/$target"
  "build-fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=30 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/${target}-" \
    "build-fuzz/corpus/$target" "fuzz/corpus/$seeds"
done
