#!/usr/bin/env bash
# Time of "zl6405s-cli info FILE" as a whole process: median of repeated runs, in ms.
# Target: under 30 ms. Usage: bench/info.sh [runs]   (builds first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-41}
scripts/build >/dev/null
cli=build/bin/zl6405s-cli
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
"$cli" new -o "$tmp/radio.dat" >/dev/null
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$cli" info "$tmp/radio.dat" >/dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
printf 'info_median_ms %d.%03d (target < 30, %d runs)\n' $((median / 1000)) $((median % 1000)) "$runs"
