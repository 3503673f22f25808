#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing; with the
# argument "tests", also those the tests, benchmarks and fuzzing need.
set -euo pipefail
packages=(
  g++
  cmake
  make
  # the build tool the scripts use: a rebuild checks what changed in a blink
  ninja-build
  qt6-base-dev
  # Qt's own dialogs and buttons in Russian
  qt6-translations-l10n
  # the program's English translation: lupdate and lrelease, and their CMake support
  qt6-l10n-tools
  qt6-tools-dev
  libxlsxwriter-dev
  libzip-dev
  # the content digest that tells a changed file from one only touched
  libxxhash-dev
)
test_packages=(
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  fonts-dejavu-core
  acl
  attr
  # the test on a real X display: server, window manager, input, screenshots
  xvfb
  openbox
  xdotool
  x11-utils
  imagemagick
  # office programs that read the written workbooks and documents back
  libreoffice-calc-nogui
  libreoffice-writer-nogui
  # other programs' table writers and readers
  python3
  python3-dbf
  python3-dbfread
  gdal-bin
  shapelib
  # rebuilds after a small change in seconds, and links in a fraction of the time
  ccache
  lld
  # the fuzz targets
  clang
  libclang-rt-14-dev
  # the Debian package's library dependencies (dpkg-shlibdeps)
  dpkg-dev
)
[ "${1:-}" != tests ] || packages+=("${test_packages[@]}")
# One question to dpkg for every package: the installed ones.
installed=" $(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
  awk '$1 == "installed" { printf "%s ", $2 }' || true)"
missing=()
for p in "${packages[@]}"; do
  [[ "$installed" == *" $p "* ]] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# LibreOffice's first start on a machine is slow: start it once here,
# converting a tiny file in a throwaway profile and home, and leave a mark in
# /tmp that it was done. Whatever goes wrong here is left to the tests to
# report.
warmed="${TMPDIR:-/tmp}/dbfview-libreoffice-started"
if [ "${1:-}" = tests ] && [ ! -e "$warmed" ] && command -v soffice >/dev/null 2>&1; then
  warm=$(mktemp -d)
  printf 'a,b\n1,2\n' > "$warm/warm.csv"
  HOME="$warm" timeout 300 soffice -env:UserInstallation="file://$warm/profile" --headless --norestore --nologo \
    --convert-to xlsx --outdir "$warm" "$warm/warm.csv" >/dev/null 2>&1 || true
  rm -rf "$warm"
  touch "$warmed"
fi
