#!/usr/bin/env bash
# A full read and a full write of the radio against the virtual radio on a line paced like a real
# 2400-baud 8N2 line, each as the ratio of the measured time to the floor of the same exchange:
# the bytes on the line (11 bits each), the radio's turnaround before each reply, and the
# protocol's fixed pauses. Then a full read on an unpaced line. Each figure is the median of 3.
#   bench/transfer.sh [BUILD_DIR]      (default: build, made by scripts/build when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
[ -x "$dir/bin/zl6405s-cli" ] || scripts/build >/dev/null
bin=$dir/bin
turnaround=2   # ms, the virtual radio's delay before each reply
runs=3
tmp=$(mktemp -d)
radio=
cleanup() { [ -n "$radio" ] && kill "$radio" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT

start_radio() {
  "$bin/zl6405s-virtual-radio" "$@" >"$tmp/radio.out" &
  radio=$!
  for _ in $(seq 50); do [ -s "$tmp/radio.out" ] && break; sleep 0.1; done
  device=$(head -1 "$tmp/radio.out")
}
stop_radio() { kill "$radio"; wait "$radio" 2>/dev/null || true; radio=; }

# Milliseconds of one command, median of $runs.
time_ms() {
  local times=()
  for _ in $(seq $runs); do
    local t0 t1
    t0=$(date +%s%N)
    "$bin/zl6405s-cli" "$@" >/dev/null 2>&1 || { echo "failed: zl6405s-cli $*" >&2; exit 1; }
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

# Floor in ms: bytes on the line, replies (each after the radio's turnaround), fixed pauses
# (open 50, start 450 + 50, identification 5; the 2 ms handshake gaps lie within the line time).
floor_ms() { awk -v b="$1" -v r="$2" -v t="$turnaround" 'BEGIN { printf "%.0f", b * 11000 / 2400 + r * t + 555 }'; }
# Read: handshake 7, ack 1, identify 1, identification 16, ack 1 + 1, 46 x (command 4, reply 12,
# ack 1 + 1), end 1. Write: the same start, 46 x (command 12, ack 1), end 1.
read_bytes=$(( 7 + 1 + 1 + 16 + 2 + 46 * 18 + 1 )); read_replies=$(( 3 + 46 * 2 ))
write_bytes=$(( 7 + 1 + 1 + 16 + 2 + 46 * 13 + 1 )); write_replies=$(( 3 + 46 ))

report() {   # name measured floor
  awk -v n="$1" -v m="$2" -v f="$3" 'BEGIN { printf "%-24s %5d ms / floor %5d ms = %.3f (target <= 1.05)\n", n, m, f, m / f }'
}

start_radio --paced --turnaround "$turnaround"
read_ms=$(time_ms read --port "$device" -o "$tmp/radio.dat")
write_ms=$(time_ms write --port "$device" "$tmp/radio.dat")
stop_radio
report "read, 2400-baud line:" "$read_ms" "$(floor_ms $read_bytes $read_replies)"
report "write, 2400-baud line:" "$write_ms" "$(floor_ms $write_bytes $write_replies)"

start_radio
fast_ms=$(time_ms read --port "$device" -o "$tmp/radio.dat")
stop_radio
printf '%-24s %5d ms (target < 800; 555 of them fixed pauses)\n' "read, unpaced line:" "$fast_ms"
