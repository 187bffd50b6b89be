#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross build's tests:
#   tools/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The Wine prefix is made once per build folder (beside the program's folder
# unless WINEPREFIX is set) and kept for the next runs; Wine's own chatter is
# silenced. The arguments and the file names are UTF-8, so Wine is told so.
set -euo pipefail
program=$1
shift
wine=$(command -v wine64 || command -v wine || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  echo "wine-run.sh: Wine is not installed (Debian: apt-get install wine64)" >&2
  exit 127
fi
if [ -z "${WINEPREFIX:-}" ]; then
  # The build folder: the nearest parent holding CMakeCache.txt.
  folder=$(cd "$(dirname "$program")" && pwd)
  while [ "$folder" != / ] && [ ! -f "$folder/CMakeCache.txt" ]; do folder=$(dirname "$folder"); done
  [ "$folder" != / ] || folder=$(cd "$(dirname "$program")" && pwd)
  export WINEPREFIX="$folder/wine-prefix"
fi
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Tests running side by side make the prefix once.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1 || true
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
  fi
  flock -u 9
fi
exec "$wine" "$program" "$@"
