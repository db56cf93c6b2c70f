#!/usr/bin/env bash
# Times the report with details and distribution for 100 specifications on a
# generated corpus (10,000 recordings unless RECORDINGS says otherwise)
# against the query run that produced its result tables, and prints the ratio.
# Run after a build: bench/report_bench.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
recordings=${RECORDINGS:-10000}
cli=$build/src/cli/zor-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/zor-gen-corpus" --out "$work/corpus" --recordings "$recordings" --seed 7 >/dev/null
"$cli" convert --out-dir "$work/out" --list "$work/corpus/list.txt" --quiet

# 100 specifications: every sound symbol, every label, label pairs as
# sequences and word classes by syllable count and sentence position.
any="<BARMI>;<BARMI>;<BARMI>"
symbols="_ A: a o u U i E: O e b p d t g k G T m n N j h v f z s c Z S C l r o: u: U: i: O:
  b: p: d: t: g: k: G: T: m: n: N: j: h: v: f: z: s: c: Z: S: C: l: r:"
labels="Hang C Cr Ch LR V Vr Vh"
{
  for s in $symbols; do printf 'H %s\tH\t%s\t%s\t%s\tBARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n' "$s" "$s" "$any" "$any"; done
  for l in $labels; do printf 'H <%s>\tH\t<%s>\t%s\t%s\tBARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n' "$l" "$l" "$any" "$any"; done
  for p in ELSO BELSO UTOLSO; do
    for n in 1 2 3 4 5 6; do printf 'SZ %s %s\tSZ\t\t\t\t\t= %s\t%s\tIGEN\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n' "$n" "$p" "$n" "$p"; done
  done
  for a in C V Cr Vr; do
    for b in C V Cr Vr; do printf '[%s;%s]\tH\t[%s;%s;<SEMMI>]\t%s\t%s\tBARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n' "$a" "$b" "$a" "$b" "$any" "$any"; done
  done
} | head -n 100 >"$work/specifications.txt"

nanoseconds() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null
  echo $(($(date +%s%N) - start))
}

query=$(nanoseconds "$cli" query --out-dir "$work/out" --specs "$work/specifications.txt" --quiet)
report=$(nanoseconds "$cli" report --out-dir "$work/out" --details --distribution --quiet)
hits=$(($(wc -l <"$work/out/output_result_dev.txt") - 1))
printf 'recordings %d, specifications %d, hits %d, report %s bytes\n' "$recordings" \
  "$(wc -l <"$work/specifications.txt")" "$hits" "$(wc -c <"$work/out/output.txt")"
awk -v q="$query" -v r="$report" 'BEGIN {
  printf "query  %.2f s\nreport %.2f s\nratio report/query %.2f\n", q / 1e9, r / 1e9, r / q }'
