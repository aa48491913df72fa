#!/bin/sh
# Starts the editor on a virtual X display, takes a screenshot of it and
# saves it as a PNG: scripts/screenshot.sh OUT.png [FILE]
# (FILE: a module to load). Needs xvfb (xvfb-run); builds what it needs.
# The catalogs are those beside build/ui/pstedit; the window opens at its
# first-start place (a fresh settings folder), filling a screen of its
# design size.
set -eu
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:?usage: scripts/screenshot.sh OUT.png [FILE]}")
FILE=${2:-}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pstedit grab_screen >/dev/null

CONFIG=$(mktemp -d)
trap 'rm -rf "$CONFIG"' EXIT
XDG_CONFIG_HOME=$CONFIG xvfb-run -a -s "-screen 0 567x716x24" sh -c '
  ./build/ui/pstedit "$@" &
  pid=$!
  sleep 3
  ./build/ui/grab_screen "'"$OUT"'"
  kill $pid
' sh ${FILE:+"$FILE"}
echo "$OUT"
