#!/usr/bin/env bash
# Installs everything the two builds and the tests need on a Debian 12 machine, idempotently.
# Run as root (or with sudo available). Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake make g++ ninja-build googletest clang-format libcli11-dev clang libclang-rt-14-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth x11-apps xdotool imagemagick
  nsis zip unzip python3 locales
  pkg-config pybind11-dev python3-dev python3-numpy python3-pandas python3-dask python3-distributed
  python3-pytest python3-hypothesis python3-setuptools python3-wheel
  dpkg-dev fakeroot lintian man-db bash-completion
)

# The C library's locales the end-to-end tests start Wine under (its regional settings, code
# page and message-box texts follow them).
locales=(en_US en_GB de_DE fr_FR ja_JP th_TH he_IL ar_SA)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if ! bash "$(dirname "$0")/apt-install.sh" "${packages[@]}"; then
  exit 1
fi

# Each locale generated once; `locale -a` lists them as en_US.utf8.
for l in "${locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then
    echo "setup: generating the locale $l.UTF-8"
    "${sudo_cmd[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
  fi
done
