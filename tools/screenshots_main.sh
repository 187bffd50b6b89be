#!/bin/sh
# Pictures of the main window, each section in English and Russian with an
# example project open, drawn off screen into docs/screenshots/.
# Usage: tools/screenshots_main.sh [BUILD_DIR]   (default: build-main)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-main"}
out="$root/docs/screenshots"

cmake --build "$build" --target ui_tests -j2
mkdir -p "$out"
ORVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
  "$build/tests/ui_tests" --gtest_filter='MainWindowTest.Screenshots*'
ls "$out"/main_window_*
