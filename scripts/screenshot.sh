#!/bin/sh
# Saves a PNG of every wizard page and dialog without a display.
# Usage: scripts/screenshot.sh [output folder] [build folder]
set -e
out="${1:-screenshots}"
build="${2:-build}"
QT_QPA_PLATFORM=offscreen "$build/src/wizard/zor" --screenshot "$out"
echo "screenshots in $out"
