#!/usr/bin/env bash
# The main job on a sample: generates a small corpus under sample/, converts it
# into the sentence, word and sound tables, measures the specifications of
# resources/sample_specifications.txt and prints the readable report with
# details and distribution. Run scripts/setup.sh first (it builds).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cli=$build/src/cli/zor-cli

# A fresh sample each time: the generator always writes the same corpus.
rm -rf sample/corpus sample/tables
"$build/tools/zor-gen-corpus" --out sample/corpus --recordings 25 --seed 1 >/dev/null

"$cli" convert --out-dir sample/tables --list sample/corpus/list.txt --quiet
"$cli" query --out-dir sample/tables --specs resources/sample_specifications.txt --quiet
report=$("$cli" report --out-dir sample/tables --details --distribution --quiet)

# The report is Windows-1250 with CR LF line ends, like every file ZOR writes.
iconv -f CP1250 -t UTF-8 "$report" | tr -d '\r'
echo "(report: $report; tables: sample/tables/)"
