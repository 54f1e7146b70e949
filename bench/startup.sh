#!/usr/bin/env bash
# Start-up of the program to a shown main window with a data file open and its INPUT DATA
# recorded and painted (bench_qt_startup_probe, the program with a probe that quits after
# that first paint).
# Prints the median of RUNS starts in milliseconds. Needs a display; without one it
# starts a virtual one for the whole measurement.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${LUMOX_BUILD_DIR:-build}/bench/bench_qt_startup_probe"
data="examples/longley.dat"
runs="${RUNS:-20}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$0" "$@"
fi
[ -x "$program" ] || { echo "build the program first ($program)"; exit 1; }

"$program" "$data"  # warm the file and font caches
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" "$data"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "start-up to first paint with $data and its INPUT DATA: median ${median} ms of ${runs} runs"
