#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ and runs each for SECONDS
# seconds (default 60), starting from its seed corpus under tests/fuzz/<name>/.
# New inputs go to build-fuzz/corpus/<name>/, findings to build-fuzz/findings/.
# Prints each target's execution count; exits non-zero on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZOR_FUZZ=ON -DZOR_GUI=OFF -DZOR_BENCH=OFF -DZOR_WERROR="${ZOR_WERROR:-OFF}" >/dev/null
cmake --build build-fuzz -j2 --target zor_fuzz_all
# Every target whose source is present and whose code has been built (the
# WAV header target needs the reader's source).
targets=()
for source in tests/fuzz/fuzz_*.cpp; do
  name="$(basename "$source" .cpp)"
  [ -x "build-fuzz/tests/fuzz/$name" ] && targets+=("$name")
done

status=0
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  corpus="build-fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  mkdir -p "$corpus" "$findings"
  log="build-fuzz/$target.log"
  seeds=()
  [ -d "tests/fuzz/$name" ] && seeds+=("tests/fuzz/$name")
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $log and $findings/)"
    status=1
  fi
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
  printf '%-24s %12s runs  %s\n' "$target" "$runs" "$result"
done
exit "$status"
