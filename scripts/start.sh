#!/bin/sh
# Builds the editor and starts it on the sample ROYL script (build/examples),
# with the sample catalogs beside the program. Arguments, when given, go to
# pstedit instead (for example another module file).
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS" --target pstedit pstool pst_examples

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "start.sh: no display (DISPLAY is not set); to try it without one: xvfb-run ./build/ui/pstedit" >&2
  exit 1
fi
if [ $# -eq 0 ]; then
  set -- build/examples/script-royl-28.rpm
fi
exec ./build/ui/pstedit "$@"
