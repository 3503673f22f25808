#!/usr/bin/env bash
# The tests. Without an argument: installs what is missing, builds the
# program and its tests in build/ (the benchmarks left out) and runs every
# test, the fuzz targets' kept inputs replayed among them; minutes on a fresh
# machine, seconds of building after a small change (through ccache when it
# is installed).
# With --full (what CI runs): the benchmarks built as well, then every test
# again under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/, and a minute of fuzzing for each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
full=0
case "${1:-}" in
  "") ;;
  --full) full=1 ;;
  *) echo "usage: $0 [--full]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh tests
jobs=${JOBS:-2}
# New build folders are built by Ninja (existing ones keep their tool).
export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}
export QT_QPA_PLATFORM=offscreen
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # The window files use precompiled headers, which ccache takes only so.
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi
bench=OFF
[ "$full" = 0 ] || bench=ON

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDBFVIEW_SANITIZE=OFF \
  -DDBFVIEW_BUILD_UI=ON -DDBFVIEW_BUILD_BENCH="$bench" "${launcher[@]}"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
[ "$full" = 1 ] || exit 0

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDBFVIEW_SANITIZE=ON \
  -DDBFVIEW_BUILD_UI=ON -DDBFVIEW_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# A minute of fuzzing for each fuzz target.
bash scripts/fuzz.sh 60
