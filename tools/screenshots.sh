#!/bin/sh
# Pictures of the desktop program in English and Russian, drawn off screen
# into docs/screenshots/: the climate frames and the small dialogs, the main
# window's sections with an example project open, the results table, the
# support editor with its live result, the details view, the catalogue
# window, and the designer's views (the stress pages, a long result, a long
# line zoomed in). The off-screen display is a 1280x1024 desktop (Qt's
# default is 800 pixels square), so that every window has the room it takes
# on a designer's screen. The Windows pictures: tools/screenshots_wine.sh.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
out="$root/docs/screenshots"

cmake --build "$build" --target ui_tests -j2
mkdir -p "$out"
ORVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM="offscreen:configfile=$root/tools/offscreen_desktop.json" \
  "$build/tests/ui_tests" \
  --gtest_filter='DialogsScreenshots.*:MainWindowTest.Screenshots*:PillarsScreenshots.*:DesignerScreenshots.*'
