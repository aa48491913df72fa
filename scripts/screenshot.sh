#!/bin/sh
# Starts the editor on a virtual X display, takes a screenshot of it and
# saves it as a PNG: scripts/screenshot.sh OUT.png [FILE]
# (FILE: a module to load). Needs xvfb (xvfb-run); builds what it needs.
set -eu
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:?usage: scripts/screenshot.sh OUT.png [FILE]}")
FILE=${2:-}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pstedit grab_screen >/dev/null

xvfb-run -a -s "-screen 0 760x800x24" sh -c '
  ./build/ui/pstedit "$@" &
  pid=$!
  sleep 3
  ./build/ui/grab_screen "'"$OUT"'"
  kill $pid
' sh ${FILE:+"$FILE"}
echo "$OUT"
