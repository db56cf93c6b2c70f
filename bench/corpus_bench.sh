#!/usr/bin/env bash
# The whole corpus benchmark in one run: convert, query and report on a
# generated corpus, each timed beside `wc -l` and `cp` of the files it reads
# or writes, so that a run on any machine shows how far each step is from the
# cost of merely touching its data:
#   convert beside its input files (and recordings per second),
#   query beside the three corpus tables: the first query after the
#   conversion, which maps the facts the conversion kept; the first query of
#   tables with no facts kept (written elsewhere, or kept no longer), which
#   reads them into facts and keeps those for the next one; and a query
#   again, which maps the kept facts,
#   report (--details --distribution) beside the report it writes,
# with each step's peak memory as a multiple of the tables' size, and, as the
# floor a step cannot go below, a user-space copy (dd) of the files it writes
# that replaces an older copy, as the step replaces its outputs.
# Every time is the best of three runs: on a shared or virtual machine a
# single run can be seconds off.
# Usage: bench/corpus_bench.sh BUILD_DIR [RECORDINGS=50000] [SPECS=100]
# WORK=DIR keeps the corpus and outputs there instead of a temporary folder.
set -euo pipefail
build=${1:?usage: corpus_bench.sh BUILD_DIR [RECORDINGS] [SPECS]}
recordings=${2:-50000}
spec_count=${3:-100}
cli=$build/src/cli/zor-cli
if [ -n "${WORK:-}" ]; then
  work=$WORK
  mkdir -p "$work"
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# The query keeps the corpus it read here, not in the user's cache folder.
export XDG_CACHE_HOME=$work/cache

"$build/tools/zor-gen-corpus" --out "$work/corpus" --recordings "$recordings" --seed 3 >/dev/null
"$build/bench/query-bench-specs" "$work/specs.txt" "$spec_count"
rm -rf "$work/out"

# Elapsed seconds and peak kilobytes of one run, output to /dev/null. The
# page cache is warmed first, so that every line measures the program, not
# the disk.
run() {
  local start end
  start=$(date +%s%N)
  if [ "$(type -t "$1")" = function ]; then
    "$@" >/dev/null
    echo 0 >"$work/peak"
  else
    /usr/bin/time -f %M -o "$work/peak" "$@" >/dev/null
  fi
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000000 )) $(tail -n 1 "$work/peak")"
}
# The best elapsed time of three runs and the largest peak among them.
best_run() {
  local best_ms= top_kb=0 ms kb
  for _ in 1 2 3; do
    read -r ms kb < <(run "$@")
    if [ -z "$best_ms" ] || [ "$ms" -lt "$best_ms" ]; then best_ms=$ms; fi
    if [ "$kb" -gt "$top_kb" ]; then top_kb=$kb; fi
  done
  echo "$best_ms $top_kb"
}
best() { best_run "$@" | cut -d' ' -f1; }
# best_run of a query after `$@`, which runs before each one untimed.
best_query_after() {
  for _ in 1 2 3; do
    "$@" >/dev/null
    run "$cli" query --quiet --out-dir "$work/out" --specs "$work/specs.txt"
  done | awk 'NR == 1 || $1 < ms { ms = $1 } $2 > kb { kb = $2 } END { print ms, kb }'
}
convert_anew() {
  rm -rf "$XDG_CACHE_HOME"
  "$cli" convert --quiet --out-dir "$work/out" --list "$work/corpus/list.txt"
}
forget_kept() { rm -rf "$XDG_CACHE_HOME"; }
# Copies files through user space into new files that then replace the
# copies before them, as a step replaces its outputs: a step that writes them
# must at least do this. The old copy stays on disk until the new one is
# whole; its cached text is dropped first, as the steps give it back while
# they write, so that the new one takes memory just freed (on a virtual
# machine memory not used for a while can cost ten times the copying).
dd_copy() {
  local file copy
  for file in "$@"; do
    copy=$work/copy/$(basename "$file")
    if [ -f "$copy" ]; then dd if="$copy" iflag=nocache count=0 status=none; fi
    dd if="$file" of="$copy.new" bs=4M status=none
    mv -f "$copy.new" "$copy"
  done
}

# A corpus is far more files than a command line holds.
each_input() { find "$work/corpus" -type f -print0 | xargs -0 "$@"; }
each_input cat >/dev/null
read -r convert_ms convert_kb < <(best_run "$cli" convert --quiet --out-dir "$work/out" --list "$work/corpus/list.txt")
input_bytes=$(find "$work/corpus" -type f -printf '%s\n' | awk '{ n += $1 } END { print n }')
input_wc=$(best each_input wc -l)
rm -rf "$work/copy"
mkdir -p "$work/copy"
# Once: copying over the files of an earlier copy would cost more than copying.
read -r input_cp _ < <(run cp -r "$work/corpus" "$work/copy/")

tables=("$work/out/output_sentences.txt" "$work/out/output_words.txt" "$work/out/output_sounds.txt")
table_bytes=$(cat "${tables[@]}" | wc -c)
read -r first_query_ms first_query_kb < <(best_query_after convert_anew)
read -r unseen_query_ms unseen_query_kb < <(best_query_after forget_kept)
read -r query_ms query_kb < <(best_run "$cli" query --quiet --out-dir "$work/out" --specs "$work/specs.txt")
tables_wc=$(best wc -l "${tables[@]}")
tables_cp=$(best cp "${tables[@]}" "$work/copy/")
results=("$work/out/output_result.txt" "$work/out/output_result_dev.txt")
query_out_bytes=$(cat "${results[@]}" | wc -c)
query_dd=$(best dd_copy "${results[@]}")

cat "${tables[@]}" "${results[@]}" >/dev/null
read -r report_ms report_kb < <(best_run "$cli" report --quiet --out-dir "$work/out" --details --distribution)
report=$work/out/output.txt
report_bytes=$(wc -c <"$report")
report_wc=$(best wc -l "$report")
report_cp=$(best cp "$report" "$work/copy/")
# The cp above copies into a new file at its first run, most often its
# best; the report replaces an older one, whose blocks the file system then
# frees (on a disk mounted with online discard, waiting for the device).
# Copies over an older copy do the same.
report_cp_over=$(best cp "$report" "$work/copy/")
report_dd=$(best dd_copy "$report")

sounds=$(( $(wc -l <"$work/out/output_sounds.txt") - 1 ))
hits=$(( $(wc -l <"$work/out/output_result_dev.txt") - 1 ))
found=$(( $(wc -l <"$work/out/output_result.txt") - 1 ))
rm -rf "$work/copy"

echo "corpus: $recordings recordings, $sounds sound rows; inputs $input_bytes bytes, tables $table_bytes bytes"
echo "specifications: $spec_count, $found with hits, $hits hits; report $report_bytes bytes"
awk -v rec="$recordings" -v tb="$table_bytes" \
    -v cm="$convert_ms" -v ck="$convert_kb" -v cw="$input_wc" -v cc="$input_cp" \
    -v fm="$first_query_ms" -v fk="$first_query_kb" -v um="$unseen_query_ms" -v uk="$unseen_query_kb" \
    -v qm="$query_ms" -v qk="$query_kb" -v qw="$tables_wc" -v qc="$tables_cp" \
    -v rm="$report_ms" -v rk="$report_kb" -v rw="$report_wc" -v rc="$report_cp" \
    -v qb="$query_out_bytes" -v qd="$query_dd" -v rb="$report_bytes" -v rd="$report_dd" \
    -v ro="$report_cp_over" 'BEGIN {
  printf "%-13s %9s %9s %9s %9s %9s %12s %10s\n", "step", "time s", "wc -l s", "cp s", "x wc -l", "x cp", "peak MB", "x tables"
  row("convert", cm, cw, cc, ck)
  row("query, first", fm, qw, qc, fk)
  row("query, unseen", um, qw, qc, uk)
  row("query, again", qm, qw, qc, qk)
  row("report", rm, rw, rc, rk)
  printf "convert: %.0f recordings/s (target 20000); query target 10 x wc -l; report target 3 x cp; memory target 1.5 x tables\n", rec / (cm / 1000)
  printf "floor: query writes %.0f MB (dd %.3f s = %.1f x wc -l); report writes %.0f MB (dd %.3f s = %.1f x cp)\n",
         qb / 1048576, qd / 1000, ratio(qd, qw), rb / 1048576, rd / 1000, ratio(rd, rc)
  printf "report beside cp over an older copy, as it replaces its own: cp %.3f s, report %.1f x\n", ro / 1000, ratio(rm, ro)
}
function ratio(a, b) { return b > 0 ? a / b : 0 }
function row(name, ms, wc, cp, kb) {
  printf "%-13s %9.2f %9.3f %9.3f %9.1f %9.1f %12.1f %10.2f\n", name, ms / 1000, wc / 1000, cp / 1000,
         ratio(ms, wc), ratio(ms, cp), kb / 1024, kb * 1024 / tb
}'
