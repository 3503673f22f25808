#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests: the normal
# build, then every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh tests
jobs=${JOBS:-2}
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDBFVIEW_SANITIZE=OFF \
  -DDBFVIEW_BUILD_UI=ON -DDBFVIEW_BUILD_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDBFVIEW_SANITIZE=ON \
  -DDBFVIEW_BUILD_UI=ON -DDBFVIEW_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# A minute of fuzzing for each fuzz target.
bash scripts/fuzz.sh 60
