#!/usr/bin/env bash
# Generates a small sample corpus under sample/ and converts it into the
# sentence, word and sound tables. Run scripts/setup.sh first (it builds).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

# A fresh corpus each time: the generator always writes the same one.
rm -rf sample/corpus sample/tables
"$build/tools/zor-gen-corpus" --out sample/corpus --recordings 25 --seed 1

"$build/src/cli/zor-cli" convert --out-dir sample/tables --list sample/corpus/list.txt

echo "Corpus tables (tab-separated, Windows-1250):"
for table in sentences words sounds; do
  echo "  sample/tables/output_${table}.txt"
done
