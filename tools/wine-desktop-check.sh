#!/usr/bin/env bash
# The Windows desktop build tried as a user would, under Wine on a virtual
# display (Xvfb): the installer run silently into a fresh Wine prefix, the
# installed orvane.com's results on both examples against the committed
# expected JSON, a report written through it read back by xlrd, an example
# opened through the .orv association until orvane.exe's main window shows
# whole on an 800-pixel screen, and the silent uninstall, which must keep the users'
# catalogue changes and projects.
#   tools/wine-desktop-check.sh [BUILD_DIR]   (default: build-windows-desktop)
# Needs the installer built (cmake --build BUILD --target installer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-windows-desktop}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
installer="$build/Orvane-$version-setup.exe"
work="$build/wine-check"
source "$root/tools/wine-desktop-env.sh"

fail() { echo "wine-desktop-check: $*" >&2; exit 1; }
[ -f "$installer" ] || fail "no installer $installer (cmake --build $build --target installer)"

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/prefix"
wine_prefix_with_fonts
start_virtual_display 1280x800
trap 'stop_wine; stop_virtual_display' EXIT

echo "installing $(basename "$installer") silently"
"$WINE" "$installer" /S '/D=C:\Program Files\Orvane'
"$WINESERVER" -w
program="$WINEPREFIX/drive_c/Program Files/Orvane"
shared="$WINEPREFIX/drive_c/ProgramData/Mirvex/Quorin"
for file in orvane.exe orvane.com Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll Forms/FormLoad_en.xls base_provod.dat \
    Projects/line_110kv_en.orv uninstall.exe; do
  [ -f "$program/$file" ] || fail "the installer left out $file"
done
[ -f "$shared/base_provod.dat" ] || fail "the installer did not put the catalogue into $shared"
ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orvane/Orvane.lnk" >/dev/null ||
  fail "no Start-menu shortcut"
"$WINE" reg query 'HKLM\Software\Classes\Orvane.Project\shell\open\command' | grep -q 'orvane.exe' ||
  fail ".orv is not associated with orvane.exe"
echo "  installer $(du -k "$installer" | cut -f1) KiB, installed folder $(du -sk "$program" | cut -f1) KiB" \
  "($(find "$program" -type f | wc -l) files)"

echo "orvane.com calc on both examples against the committed results"
/usr/bin/python3 "$root/tests/e2e/calc_json_compare.py" --program "$program/orvane.com" \
  --emulator "$root/tools/wine-run.sh" --source "$root" --catalog "$shared/base_provod.dat" --work "$work/calc"

echo "orvane.com report, read back by xlrd"
report_dir="$work/Отчёт"
mkdir -p "$report_dir"
for lang in en ru; do
  "$root/tools/wine-run.sh" "$program/orvane.com" report "$program/Projects/line_110kv_en.orv" \
    -o "$report_dir/report_$lang.xls" --lang "$lang"
  /usr/bin/python3 - "$report_dir/report_$lang.xls" <<'PY'
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
assert book.nsheets >= 2, f"{sys.argv[1]}: {book.nsheets} sheets"
print(f"  {sys.argv[1]}: {book.nsheets} sheets, first {book.sheet_names()[0]!r}")
PY
done

echo "orvane.com profile: PNG with its text, SVG refused"
"$root/tools/wine-run.sh" "$program/orvane.com" profile "$program/Projects/line_110kv_en.orv" -o "$work/profile.png"
[ "$(head -c 4 "$work/profile.png" | tail -c 3)" = PNG ] || fail "the profile is no PNG"
if "$root/tools/wine-run.sh" "$program/orvane.com" profile "$program/Projects/line_110kv_en.orv" \
    -o "$work/profile.svg" 2>"$work/svg.err"; then
  fail "SVG was written by a build without Qt SVG"
fi
grep -q "SVG" "$work/svg.err" || fail "no word on SVG: $(cat "$work/svg.err")"

echo "an example opened as Explorer opens it (the association), on the virtual display"
# The Wine processes of the commands above had no display; a new start gets it.
stop_wine
window=$(show_main_window "$WINE" start 'C:\Program Files\Orvane\Projects\line_110kv_en.orv')
eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4}
                                      /Width:/{print "w="$2} /Height:/{print "h="$2}')"
echo "  main window \"$(xdotool getwindowname "$window")\": ${w}x${h} at $x,$y"
[ $((y + h)) -le 800 ] && [ $((x + w)) -le 1280 ] || fail "the main window does not fit the 1280x800 screen"
# An opened project heads the recent list.
"$WINE" reg query 'HKCU\Software\Mirvex\Quorin\Param' /v Recent1 | grep -q 'line_110kv_en.orv' ||
  fail "the example did not open in the main window"
screenshot "$work/main_window.png"
stop_wine

echo "uninstalling silently; the users' catalogue and projects stay"
printf 'changed by a user\n' >>"$shared/base_provod.dat"
catalogue_sum=$(md5sum <"$shared/base_provod.dat")
cp "$program/Projects/line_110kv_en.orv" "$program/Projects/my line.orv"
# _? runs the uninstaller in place, so Wine returns when it is done.
"$WINE" "$program/uninstall.exe" /S '_?=C:\Program Files\Orvane'
"$WINESERVER" -w
for file in orvane.exe orvane.com Qt6Core.dll platforms/qwindows.dll Forms/FormLoad_en.xls \
    Projects/line_110kv_en.orv; do
  [ ! -e "$program/$file" ] || fail "the uninstaller left $file"
done
[ -f "$program/Projects/my line.orv" ] || fail "the uninstaller removed a user's project"
[ "$(md5sum <"$shared/base_provod.dat")" = "$catalogue_sum" ] || fail "the uninstaller changed the catalogue"
[ ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orvane" ] ||
  fail "the Start-menu folder is still there"
echo "wine-desktop-check: all passed"
