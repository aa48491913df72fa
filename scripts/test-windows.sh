#!/bin/sh
# Builds the core, pstool and their tests for 64-bit Windows with MinGW-w64
# (in build-windows/) and runs the tests under Wine, in a Wine prefix of its
# own that is removed afterwards. With a Linux build in build/ (test.sh makes
# it first), a test also checks that pstool.exe writes the same bytes as the
# Linux pstool on the sample modules. The window is not built: there is no
# Qt 6 for Windows here (see "Windows" in README.md).
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh windows

JOBS=$(nproc 2>/dev/null || echo 2)
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pst-wine.XXXXXX")
# No debugging chatter, no offer to install Mono or Gecko, no display needed.
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
unset DISPLAY WAYLAND_DISPLAY || true

stop_wine() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT
trap 'exit 130' INT TERM

# One server for every test run (each would otherwise start and stop one),
# and the prefix made with its services started here, outside the tests:
# a service started by a test would hold that test's output open.
"$WINESERVER" -p </dev/null >/dev/null 2>&1
"$WINE" wineboot -i </dev/null >/dev/null 2>&1

LINUX_BUILD=""
if [ -x build/cli/pstool ] && [ -f build/examples/script-royl-28.rpm ]; then
  LINUX_BUILD=$(pwd)/build
fi

cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPST_WERROR=ON -DPST_WITH_UI=OFF -DPST_BENCH=OFF \
  -DPST_GTEST_SOURCE_DIR=/usr/src/googletest -DPST_LINUX_BUILD_DIR="$LINUX_BUILD"
cmake --build build-windows -j "$JOBS"
# Now and then Wine fails to start a test's process at all (it ends within
# milliseconds and prints nothing); such a run is tried again. A test that
# really fails, fails every time and still fails the step.
ctest --test-dir build-windows --output-on-failure -j "$JOBS" --timeout 600 --repeat until-pass:3
