#!/usr/bin/env bash
# Times `zor-cli convert` on generated corpora: recordings per second and peak
# memory, for a small and a large corpus (the memory should not grow with it).
# Usage: bench/convert_bench.sh [RECORDINGS] (default 10000); BUILD_DIR=build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
large=${1:-10000}
small=$(( large / 10 ))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() {
  local recordings=$1 corpus="$work/corpus-$1"
  "$build/tools/zor-gen-corpus" --out "$corpus" --recordings "$recordings" --seed 1 >/dev/null
  # Warm the page cache so the run measures the conversion, not the disk.
  cat "$corpus"/* >/dev/null
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -v -o "$work/time-$recordings.txt" \
    "$build/src/cli/zor-cli" convert --quiet --out-dir "$work/out-$recordings" \
    --list "$corpus/list.txt"
  end=$(date +%s.%N)
  local sounds peak cpu
  sounds=$(( $(wc -l < "$work/out-$recordings/output_sounds.txt") - 1 ))
  peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time-$recordings.txt")
  cpu=$(awk -F': ' '/(User|System) time/ {sum += $2} END {print sum}' "$work/time-$recordings.txt")
  # On a shared machine the wall clock also counts other programs' turns;
  # the CPU time is what the conversion itself costs.
  awk -v n="$recordings" -v s="$sounds" -v a="$start" -v b="$end" -v c="$cpu" -v m="$peak" 'BEGIN {
    t = b - a
    if (c <= 0) c = 0.001
    printf "%6d recordings, %7d sounds: wall %6.2f s = %6.0f recordings/s, " \
           "CPU %5.2f s = %6.0f recordings/s, peak memory %5.1f MB\n",
           n, s, t, n / t, c, n / c, m / 1024
  }'
}

measure "$small"
measure "$large"
