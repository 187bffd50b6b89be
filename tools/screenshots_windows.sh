#!/bin/sh
# Pictures of the support editor and the wire catalogue windows in English
# and Russian, drawn off screen into docs/screenshots/; the catalogue shown is
# the shipped one the build makes from data/wires.csv.
# Usage: tools/screenshots_windows.sh [BUILD_DIR]   (default: build-pillars)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-pillars"}
out="$root/docs/screenshots"

cmake --build "$build" --target ui_tests orv_catalogue -j2
mkdir -p "$out"
ORVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
  "$build/tests/ui_tests" --gtest_filter='PillarsScreenshots.*'
ls "$out"
