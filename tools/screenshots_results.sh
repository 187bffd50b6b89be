#!/bin/sh
# Pictures of the results table, the support editor with its live result and
# the details view in English and Russian, drawn off screen into
# docs/screenshots/. The off-screen display is a 1280x1024 desktop (Qt's
# default is 800 pixels square), so that the details window has the room it
# takes on a designer's screen.
# Usage: tools/screenshots_results.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
out="$root/docs/screenshots"

cmake --build "$build" --target ui_tests -j2
mkdir -p "$out"
ORVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM="offscreen:configfile=$root/tools/offscreen_desktop.json" \
  "$build/tests/ui_tests" --gtest_filter='MainWindowTest.Screenshots*'
ls "$out"
