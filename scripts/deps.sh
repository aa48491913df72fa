#!/bin/sh
# Installs, with apt-get, whatever the build and the tests need and this
# machine lacks. Debian 12; run as root (or with sudo available).
# `deps.sh windows` adds what the Windows build and its tests under Wine
# need (scripts/test-windows.sh): MinGW-w64, GoogleTest's sources, Wine.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core xdotool pngquant optipng
  dpkg-dev"
if [ "${1:-}" = windows ]; then
  PACKAGES="$PACKAGES g++-mingw-w64-x86-64-posix googletest wine64"
fi

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
