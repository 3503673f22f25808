#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the sample
# table in DOS code page 866 (tick "Кодировка (DOS, Windows) " twice to draw
# it in 866). Other arguments name another table to open instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=${JOBS:-2}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target dbfview -j"$jobs"
table=${1:-samples/people_866.dbf}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start this from a desktop session (or set QT_QPA_PLATFORM)." >&2
  exit 1
fi
exec build/app/dbfview "$table"
