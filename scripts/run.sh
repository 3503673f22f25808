#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the sample
# table in Windows code page 1251, which the window draws right at once.
# An argument names another table to open instead (the DOS sample
# samples/people_866.dbf needs "Кодировка (DOS, Windows) " ticked twice).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=${JOBS:-2}
# New build folders are built by Ninja (existing ones keep their tool).
export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target dbfview -j"$jobs"
table=${1:-samples/goods_1251.dbf}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start this from a desktop session (or set QT_QPA_PLATFORM)." >&2
  exit 1
fi
exec build/app/dbfview "$table"
