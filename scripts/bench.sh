#!/bin/sh
# Builds and runs every benchmark, then prints the ratios of the targets in
# the README's "Benchmarks" table. Never run by the tests.
#
#     scripts/bench.sh [RUNS]
#
# RUNS (default 5): repetitions of each core benchmark, runs of each window
# figure and of each start-up (the figures are medians). The results stay in
# build/bench-results/: core.json (Google Benchmark), window.txt
# (pst_window_bench), start.csv (hyperfine, when installed). Everything runs
# on the offscreen platform. hyperfine (Debian package "hyperfine") is
# optional: pst_window_bench times the start-up itself; hyperfine, when
# present, times it once more as a cross-check.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

RUNS=${1:-5}
BUILD=build
OUT=$BUILD/bench-results
JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== build"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target pst_bench pst_window_bench pst_minimal_qt pstedit
mkdir -p "$OUT"

# The programs started for timing keep their settings away from the user's.
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
chmod 700 "$SCRATCH"

echo "== core ($RUNS repetitions each)"
"$BUILD/bench/pst_bench" --benchmark_repetitions="$RUNS" --benchmark_report_aggregates_only=true \
  --benchmark_out="$OUT/core.json" --benchmark_out_format=json

echo "== window and start-up ($RUNS runs each, medians)"
"$BUILD/bench/window/pst_window_bench" --runs "$RUNS" \
  --pstedit "$BUILD/ui/pstedit" --minimal "$BUILD/bench/window/pst_minimal_qt" 2>/dev/null | tee "$OUT/window.txt"

rm -f "$OUT/start.csv"
if command -v hyperfine >/dev/null 2>&1; then
  echo "== start-up with hyperfine"
  XDG_CONFIG_HOME=$SCRATCH XDG_RUNTIME_DIR=$SCRATCH hyperfine -N --warmup 3 --runs $((RUNS * 4)) \
    --export-csv "$OUT/start.csv" \
    "$BUILD/ui/pstedit --quit-after-first-paint" "$BUILD/bench/window/pst_minimal_qt"
else
  echo "== start-up with hyperfine: not installed (apt-get install hyperfine); pst_window_bench's figures stand"
fi

echo "== ratios (medians; real = wall-clock time, cpu = processor time of the program measured)"
# Google Benchmark writes one field per line: "name": "...", "real_time": ...
awk -v window="$OUT/window.txt" -v start="$OUT/start.csv" '
function row(work, real, cpu, target) {
  printf "%-50s %8s %8s   %s\n", work, real, cpu, target
}
function r2(a, b) { return (b > 0) ? sprintf("%.2f", a / b) : "-" }
function value(line) { sub(/^[^:]*: */, "", line); sub(/,$/, "", line); gsub(/"/, "", line); return line }
/"name":/ {
  name = value($0)
  keep = name ~ /_median$/
  sub(/_median$/, "", name)
  sub(/\/iterations:[0-9]+$/, "", name)
}
keep && /"real_time":/ { real[name] = value($0) }
keep && /"cpu_time":/ { cpu[name] = value($0) }
keep && /"bytes":/ { bytes[name] = value($0) }
keep && /"ratio_to_record":/ { mem[name] = value($0) }
keep && /"bytes_per_step":/ { perstep[name] = value($0) }
keep && /"entry_bytes":/ { entry[name] = value($0) }
END {
  while ((getline line < window) > 0) {
    split(line, kv, ": "); sub(/ ms$/, "", kv[2]); win[kv[1]] = kv[2]
  }
  # hyperfine: command,mean,stddev,median,user,system,min,max (seconds)
  while ((getline line < start) > 0) {
    split(line, f, ","); if (f[1] != "command") { hf[++nh] = f[4]; hfcpu[nh] = f[5] + f[6] }
  }
  row("Work", "real", "cpu", "target")
  row("FixChecksum ROYL 16 MiB, throughput vs u32 sum", r2(real["BM_SumU32Baseline16M"], real["BM_FixChecksumRoyl16M"]),
      r2(cpu["BM_SumU32Baseline16M"], cpu["BM_FixChecksumRoyl16M"]), ">= 0.5")
  row("FixChecksum legacy 16 MiB, throughput vs byte sum", r2(real["BM_SumU8Baseline16M"], real["BM_FixChecksumLegacy16M"]),
      r2(cpu["BM_SumU8Baseline16M"], cpu["BM_FixChecksumLegacy16M"]), ">= 0.5")
  row("ParseScript 100k vs copying the records", r2(real["BM_ParseScript100k"], real["BM_CopyRecords100kBaseline"]),
      r2(cpu["BM_ParseScript100k"], cpu["BM_CopyRecords100kBaseline"]), "<= 4")
  row("Compare 100k with 100 edits vs ParseScript 100k", r2(real["BM_Compare100k"], real["BM_ParseScript100k"]),
      r2(cpu["BM_Compare100k"], cpu["BM_ParseScript100k"]), "<= 2")
  row("Upgrade 100k vs ParseScript 100k", r2(real["BM_Upgrade100k"], real["BM_ParseScript100k"]),
      r2(cpu["BM_Upgrade100k"], cpu["BM_ParseScript100k"]), "<= 3")
  row("SerializeScript 100k vs one memcpy", r2(real["BM_SerializeScript100k"], real["BM_MemcpyRecords100kBaseline"]),
      r2(cpu["BM_SerializeScript100k"], cpu["BM_MemcpyRecords100kBaseline"]), "<= 4")
  row("Selection refresh, 5,000 entries (us)", sprintf("%.1f", real["BM_SelectionRefresh5k"]),
      sprintf("%.1f", cpu["BM_SelectionRefresh5k"]), "<= 1000 us")
  row("Selection refresh, 5,000 vs 50 entries", r2(real["BM_SelectionRefresh5k"], real["BM_SelectionRefresh50"]),
      r2(cpu["BM_SelectionRefresh5k"], cpu["BM_SelectionRefresh50"]), "about 1")
  row("Insert at the top of 100k vs reading the links", r2(real["BM_InsertTop100k"], real["BM_ScanLinks100kBaseline"]),
      r2(cpu["BM_InsertTop100k"], cpu["BM_ScanLinks100kBaseline"]), "<= 3")
  row("Undo of that insert vs the insert", r2(real["BM_UndoInsertTop100k"], real["BM_InsertTop100k"]),
      r2(cpu["BM_UndoInsertTop100k"], cpu["BM_InsertTop100k"]), "<= 2")
  row("E6 generator, 10,000 vs 1,000 tests", r2(real["BM_E6Generate10k"], real["BM_E6Generate1k"]),
      r2(cpu["BM_E6Generate10k"], cpu["BM_E6Generate1k"]), "<= 12")
  b = "BM_BufferedWrite100kBaseline"
  for (k = 1; k <= 2; k++) {
    e = (k == 1) ? "BM_TrexExport100k" : "BM_IniExport100k"
    label = (k == 1) ? "TREX export 100k vs buffered write, per byte" : "INI export 100k vs buffered write, per byte"
    row(label, r2(real[e] / bytes[e], real[b] / bytes[b]), r2(cpu[e] / bytes[e], cpu[b] / bytes[b]), "<= 5")
  }
  row("Load 100k in the window vs QTreeView set up", r2(win["load100k_first_frame"], win["baseline_treeview100k_first_frame"]),
      r2(win["load100k_first_frame_cpu"], win["baseline_treeview100k_first_frame_cpu"]), "<= 1.5")
  row("Load 100k in the window vs bare QTreeView", r2(win["load100k_first_frame"], win["bare_treeview100k_first_frame"]),
      r2(win["load100k_first_frame_cpu"], win["bare_treeview100k_first_frame_cpu"]), "(for reference)")
  row("Start of pstedit vs pst_minimal_qt", r2(win["start_first_frame"], win["baseline_minimal_qt_first_frame"]),
      r2(win["start_first_frame_cpu"], win["baseline_minimal_qt_first_frame_cpu"]), "<= 1.5")
  if (nh == 2)
    row("Start of pstedit vs pst_minimal_qt (hyperfine)", r2(hf[1], hf[2]), r2(hfcpu[1], hfcpu[2]), "<= 1.5")
  row("Memory of a loaded 100k module vs record bytes", sprintf("%.2f", mem["BM_MemoryPerStep100k"]), "", "<= 3")
  printf "(%.0f bytes per step)\n", perstep["BM_MemoryPerStep100k"]
  row("History step of an insert at the top of 100k (KiB)", sprintf("%.1f", entry["BM_UndoEntryMemory100k"] / 1024), "",
      "< 64 KiB")
}' "$OUT/core.json"
