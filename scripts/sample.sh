#!/usr/bin/env bash
# The main job on a sample: speaks the Hungarian sentences of
# resources/sample_sentences.txt with espeak-ng into a corpus under sample/,
# converts it into the sentence, word and sound tables (with the label tree of
# resources/sample_labels.txt, the default one with a label for the pause),
# measures the specifications of resources/sample_specifications.txt and
# prints the readable report with details and distribution. Run
# scripts/setup.sh first (it builds).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cli=$build/src/cli/zor-cli

# A fresh sample each time: the same sentences and voices give the same corpus.
rm -rf sample/corpus sample/tables
"$build/tools/zor-speak-corpus" --out sample/corpus --sentences resources/sample_sentences.txt >/dev/null

"$cli" convert --out-dir sample/tables --labels resources/sample_labels.txt \
  --list sample/corpus/list.txt --quiet
"$cli" query --out-dir sample/tables --specs resources/sample_specifications.txt --quiet
report=$("$cli" report --out-dir sample/tables --details --distribution --quiet)

# The report is Windows-1250 with CR LF line ends, like every file ZOR writes.
iconv -f CP1250 -t UTF-8 "$report" | tr -d '\r'
echo "(report: $report; tables: sample/tables/; recordings: sample/corpus/)"
