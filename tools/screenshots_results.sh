#!/bin/sh
# Pictures of the results table, the support editor with its live result and
# the details view in English and Russian, drawn off screen into
# docs/screenshots/.
# Usage: tools/screenshots_results.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
out="$root/docs/screenshots"

cmake --build "$build" --target ui_tests -j2
mkdir -p "$out"
ORVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
  "$build/tests/ui_tests" --gtest_filter='MainWindowTest.Screenshots*'
ls "$out"
