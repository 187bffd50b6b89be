#!/bin/sh
# Pictures of the climate frames and the small dialogs in English and
# Russian, drawn off screen into docs/screenshots/.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default: build-gui)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-gui"}
out="$root/docs/screenshots"

cmake --build "$build" --target ui_tests -j2
mkdir -p "$out"
ORVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
  "$build/tests/ui_tests" --gtest_filter='DialogsScreenshots.*'
ls "$out"
