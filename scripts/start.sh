#!/bin/sh
# Builds the editor and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS" --target pstool
exec ./build/cli/pstool --help
