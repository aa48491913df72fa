#!/bin/sh
# Builds everything and runs every test: the normal build, the core and
# pstool built for Windows and tested under Wine, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a build of everything
# with clang with a short run of every fuzz target.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPST_WERROR=ON
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

echo "== build for Windows with MinGW-w64, test under Wine"
./scripts/test-windows.sh

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPST_SANITIZE=ON -DPST_BENCH=OFF -DPST_WERROR=ON
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS"

echo "== build everything with clang, short fuzz runs"
./scripts/fuzz.sh "${PST_FUZZ_SECONDS:-20}"
