#!/bin/sh
# Builds the editor and starts it: on the first module file in examples/
# when there is one, else empty. Further arguments go to pstedit.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS" --target pstedit pstool

SAMPLE=$(find examples -maxdepth 1 -name '*.rpm' 2>/dev/null | sort | head -n 1)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "start.sh: no display (DISPLAY is not set); to try it without one: xvfb-run ./build/ui/pstedit" >&2
  exit 1
fi
if [ $# -eq 0 ] && [ -n "$SAMPLE" ]; then
  set -- "$SAMPLE"
fi
exec ./build/ui/pstedit "$@"
