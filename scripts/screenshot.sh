#!/bin/sh
# Saves a PNG of every wizard page and dialog without a display; page 1 lists
# the spoken sample of scripts/sample.sh when it is there, and the result
# browser shows its short vowels.
# Usage: scripts/screenshot.sh [output folder] [build folder]
set -e
out="${1:-screenshots}"
build="${2:-build}"
recordings=""
[ -d sample/corpus ] && recordings=sample/corpus
tables=""
[ -n "$recordings" ] && [ -f sample/tables/output_result.txt ] && tables=sample/tables
QT_QPA_PLATFORM=offscreen "$build/src/wizard/zor" --screenshot "$out" $recordings $tables
echo "screenshots in $out"
