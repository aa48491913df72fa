#!/bin/sh
# Builds everything with clang, the libFuzzer targets among it, and runs each
# fuzz target for SECONDS seconds (default 60) from the generated seed
# corpora:  ./scripts/fuzz.sh [SECONDS]
# The rest of the build (window, tests, benchmarks) is only compiled here, not
# run: this one clang build keeps the whole project building with clang.
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
JOBS=$(nproc 2>/dev/null || echo 2)

CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPST_FUZZ=ON -DPST_WERROR=ON >/dev/null
cmake --build build-fuzz -j "$JOBS"

CORPUS=build-fuzz/corpus
./build-fuzz/fuzz/make_seeds "$CORPUS"
# Every target runs even when an earlier one finds something; the script fails
# at the end, naming the targets that did. Targets run side by side, one a
# processor (PST_FUZZ_JOBS sets how many), each for its full time.
PARALLEL=${PST_FUZZ_JOBS:-$JOBS}
run_target() {
  name=$1
  mkdir -p "$CORPUS/$name" "build-fuzz/artifacts/$name"
  if "build-fuzz/fuzz/$name" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$name/" "$CORPUS/$name" > "build-fuzz/$name.log" 2>&1; then
    echo 0 > "build-fuzz/$name.rc"
  else
    echo 1 > "build-fuzz/$name.rc"
  fi
}
NAMES=$(for f in fuzz/fuzz_*.cpp; do basename "$f" .cpp; done)
running=0
for name in $NAMES; do
  echo "== $name for ${SECONDS_EACH}s"
  run_target "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$PARALLEL" ]; then
    wait
    running=0
  fi
done
wait

FAILED=""
for name in $NAMES; do
  if [ "$(cat "build-fuzz/$name.rc")" != 0 ]; then
    echo "== $name found a fault:"
    tail -n 40 "build-fuzz/$name.log"
    FAILED="$FAILED $name"
    continue
  fi
  printf '%s: ' "$name"
  grep -E "DONE +cov:" "build-fuzz/$name.log" | tail -n 1
  grep -E "^stat::number_of_executed_units" "build-fuzz/$name.log"
done
if [ -n "$FAILED" ]; then
  echo "fuzz targets that found a fault:$FAILED (inputs in build-fuzz/artifacts/)"
  exit 1
fi
