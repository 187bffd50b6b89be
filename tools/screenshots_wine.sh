#!/usr/bin/env bash
# Pictures of the Windows desktop build as it runs under Wine, in English and
# Russian, into docs/screenshots/windows_*.png: the main window with the
# results table, the support editor, and the first support's swing diagram
# in its details window. The
# program runs in a Wine desktop window of 1280x800 (Wine draws the window
# frames as Windows does) on a virtual display.
# Usage: tools/screenshots_wine.sh [BUILD_DIR]   (default: build-windows-desktop)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-windows-desktop}" && pwd)
out="$root/docs/screenshots"
export WINEPREFIX="$build/wine-screenshots/prefix"
source "$root/tools/wine-desktop-env.sh"
[ -f "$build/orvane.exe" ] || { echo "no $build/orvane.exe (cmake --build --preset windows-desktop)" >&2; exit 1; }
if [ -f "$WINEPREFIX/system.reg" ]; then wine_text_like_windows; else wine_prefix_with_fonts; fi
mkdir -p "$out"
trap 'stop_wine; stop_virtual_display' EXIT

# The window on top in the Wine desktop (a picture of the whole display
# leaves dialogs black there).
top_window() {
  xwininfo -root -tree | awk '/Wine desktop/ { inside = 1; next } inside && /0x/ { print $1; exit }'
}

# language, its index in the settings, example project, x of "Details" on the screen
shoot() {
  local lang=$1 index=$2 project=$3 details_x=$4
  "$WINE" reg add 'HKCU\Software\Mirvex\Quorin\Param' /v Language /d "$index" /f >/dev/null
  stop_wine
  start_virtual_display 1280x800
  "$WINE" explorer /desktop=Orvane,1280x800 "$build/orvane.exe" "Z:${project//\//\\}" >/dev/null 2>&1 &
  for _ in $(seq 60); do xdotool search --name 'Wine desktop' >/dev/null 2>&1 && break; sleep 1; done
  sleep 15
  xdotool key ctrl+3
  sleep 3
  screenshot "$out/windows_main_window_$lang.png" "$(xdotool search --name ' - Orvane$' | head -1)"
  xdotool key Return
  # The editor's first showing builds it, which takes Wine a while.
  sleep 12
  screenshot "$out/windows_support_editor_$lang.png" "$(top_window)"
  xdotool key Escape
  sleep 2
  # "Details" above the table (where the 1280x800 layout puts it in this
  # language) shows the first support's swing diagram at full size.
  xdotool mousemove "$details_x" 167 click 1
  sleep 8
  screenshot "$out/windows_swing_diagram_$lang.png" "$(top_window)"
  stop_wine
  stop_virtual_display
}

shoot en 0 "$root/examples/line_110kv_en.orv" 588
shoot ru 1 "$root/examples/line_35kv_ru.orv" 686
ls "$out"/windows_*
