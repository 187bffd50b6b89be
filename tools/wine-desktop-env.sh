# Shared by the scripts that run the Windows desktop build under Wine on a
# virtual display (tools/wine-desktop-check.sh, tools/screenshots_wine.sh);
# sourced, not run. The caller sets WINEPREFIX.

WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo "$(dirname "$WINE")/wineserver")
[ -x "$WINE" ] || { echo "Wine is not installed (Debian: apt-get install wine64)" >&2; exit 127; }
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

# A new prefix with the two font replacements Wine lacks: without them its
# dialogs (MS Shell Dlg) and Arial come out in a serif font, unlike Windows.
wine_prefix_with_fonts() {
  mkdir -p "$WINEPREFIX"
  DISPLAY= "$WINE" wineboot --init >/dev/null 2>&1 || true
  "$WINESERVER" -w
  local key='HKCU\Software\Wine\Fonts\Replacements'
  "$WINE" reg add "$key" /v "MS Shell Dlg" /d Tahoma /f >/dev/null
  "$WINE" reg add "$key" /v "MS Shell Dlg 2" /d Tahoma /f >/dev/null
  "$WINE" reg add "$key" /v Arial /d "Liberation Sans" /f >/dev/null
  "$WINESERVER" -w
  wine_text_like_windows
}

# Text as Windows draws it: in Tahoma, the font "MS Shell Dlg 2" stands for
# there, and smoothed as ClearType does (Windows' default). This Wine
# (Debian 12's 8.0) does not load its own Tahoma (fonts-wine) from its own
# folder, so it is copied into the prefix's Fonts folder; without it the
# replacement above fell through to Liberation Sans. And Wine's grey
# smoothing, its default, draws small hinted text wrong: Liberation Sans's
# capital I as nothing ("nsulator string:"), Tahoma's f as a t and its bold
# Cyrillic "ы" as "ь ".
wine_text_like_windows() {
  local folder fonts="$WINEPREFIX/drive_c/windows/Fonts" found=
  for folder in "$(dirname "$WINE")/../share/wine/fonts" /usr/share/wine/fonts /usr/local/share/wine/fonts; do
    if [ -f "$folder/tahoma.ttf" ]; then
      mkdir -p "$fonts"
      cp -u "$folder"/tahoma*.ttf "$fonts/"
      found=1
      break
    fi
  done
  [ -n "$found" ] || echo "Wine's Tahoma (fonts-wine) is not installed: the dialogs fall back to Liberation Sans" >&2
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null
  "$WINESERVER" -w
}

# Xvfb on a free display number, of the given size; DISPLAY is set for Wine.
start_virtual_display() {
  local size=$1 numbers
  numbers=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$numbers" ] && break; sleep 0.1; done
  [ -s "$numbers" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -1 "$numbers")"
  rm -f "$numbers"
}

stop_virtual_display() {
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  XVFB_PID=
}

# Ends every program of this prefix (the desktop program started here).
stop_wine() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
}

# Runs the given command (which starts the desktop program) and prints the X
# window of the program's main window once it is visible (at most 90 s).
show_main_window() {
  "$@" >/dev/null 2>&1 &
  local window=
  for _ in $(seq 90); do
    window=$(xdotool search --onlyvisible --name ' - Orvane$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 1
  done
  [ -n "$window" ] || { echo "the main window did not appear within 90 s" >&2; return 1; }
  # Time to lay out, open the project and paint.
  sleep 3
  echo "$window"
}

# The whole virtual screen, or one window (an X window id), as a PNG.
screenshot() {
  local file=$1 window=${2:-}
  if [ -n "$window" ]; then
    xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmtopng >"$file"
  else
    xwd -silent -root | xwdtopnm 2>/dev/null | pnmtopng >"$file"
  fi
}
