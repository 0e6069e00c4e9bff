#!/bin/sh
# Start-up of the desktop program: time from launch until the main window shows the filled
# channel table of a blank image (median of several runs), and the resident memory after a
# second of idling. Offscreen, so no display is needed.
#   bench/startup.sh [build-dir]      (default: build; RUNS=n for the number of runs)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
PROGRAM=$BUILD/bin/zl6405s
RUNS=${RUNS:-11}
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM: build it first" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen
times=""; rss=""
i=0
while [ $i -lt "$RUNS" ]; do
  out=$(ZL_BENCH_T0=$(date +%s%N) "$PROGRAM" 2>/dev/null)
  times="$times $(echo "$out" | awk '/^startup_ms/ {print $2}')"
  rss="$rss $(echo "$out" | awk '/^rss_kb/ {print $2}')"
  i=$((i + 1))
done

median() { echo "$@" | tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
ms=$(median $times)
kb=$(median $rss)
echo "startup_ms_median $ms (runs: $RUNS, target under 250)"
echo "idle_rss_mb $(awk -v k="$kb" 'BEGIN {printf "%.1f", k/1024}') (target under 80)"
