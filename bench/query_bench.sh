#!/bin/sh
# The query on a generated corpus of 10,000 recordings with 100 specifications
# of every form, timed beside `wc -l` on the three corpus tables, with the
# query's peak memory beside the tables' size.
# Usage: bench/query_bench.sh BUILD_DIR [RECORDINGS] [SPECIFICATIONS]
set -eu
build=${1:?usage: query_bench.sh BUILD_DIR [RECORDINGS] [SPECIFICATIONS]}
recordings=${2:-10000}
spec_count=${3:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/zor-gen-corpus" --out "$work/corpus" --recordings "$recordings" --seed 7 >/dev/null
"$build/src/cli/zor-cli" convert --quiet --out-dir "$work/out" --list "$work/corpus/list.txt"
"$build/bench/query-bench-specs" "$work/specs.txt" "$spec_count"

tables="$work/out/output_sentences.txt $work/out/output_words.txt $work/out/output_sounds.txt"
table_bytes=$(cat $tables | wc -c)
sound_rows=$(($(wc -l < "$work/out/output_sounds.txt") - 1))

seconds() { # the elapsed seconds of a command, best of three
  best=
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" = 1 ]; then best=$t; fi
  done
  echo "$best"
}

wc_time=$(seconds wc -l $tables)
query_time=$(seconds "$build/src/cli/zor-cli" query --quiet --out-dir "$work/out" --specs "$work/specs.txt")
# CPU seconds and peak memory: on a shared machine the elapsed time also
# counts the waits for a core.
set -- $(/usr/bin/time -f "%U %S %M" "$build/src/cli/zor-cli" query --quiet --out-dir "$work/out" \
          --specs "$work/specs.txt" 2>&1 >/dev/null | tail -n 1)
query_cpu=$(echo "$1 + $2" | bc)
peak_kb=$3
set -- $(/usr/bin/time -f "%U %S" wc -l $tables 2>&1 >/dev/null | tail -n 1)
wc_cpu=$(echo "$1 + $2" | bc)

echo "corpus: $recordings recordings, $sound_rows sound rows, tables $table_bytes bytes"
echo "specifications: $spec_count, result lines: $(($(wc -l < "$work/out/output_result.txt") - 1)), hits: $(($(wc -l < "$work/out/output_result_dev.txt") - 1))"
echo "wc -l on the tables: $wc_time s"
echo "zor-cli query:       $query_time s  (ratio $(echo "scale=1; $query_time / $wc_time" | bc), target 10)"
echo "CPU time: wc -l $wc_cpu s, zor-cli query $query_cpu s"
echo "peak memory:         $((peak_kb * 1024)) bytes  (ratio $(echo "scale=2; $peak_kb * 1024 / $table_bytes" | bc) of the tables, target 2)"
