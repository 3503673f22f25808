#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail
packages=(
  g++
  cmake
  make
  qt6-base-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  fonts-dejavu-core
  # the test on a real X display: server, window manager, input, screenshots
  xvfb
  openbox
  xdotool
  x11-utils
  imagemagick
  # the Debian package's library dependencies (dpkg-shlibdeps)
  dpkg-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
