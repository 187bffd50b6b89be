#!/usr/bin/env bash
# Measures how long the desktop program takes from its launch to the main
# window being shown on screen, over a few runs, and prints the best and the
# median. Usage: tools/startup_time.sh [path/to/orvane] [runs]
# The program quits by itself once the window is exposed (ORVANE_EXIT_AFTER_SHOW).
# Without a display it runs on Qt's offscreen platform.
set -euo pipefail
program="${1:-build/orvane}"
runs="${2:-7}"
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"; fi
# Keep the user's own settings and catalogue out of the measurement.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" ORVANE_DATA_DIR="$scratch/data/" ORVANE_EXIT_AFTER_SHOW=1

times=()
for ((run = 1; run <= runs; run++)); do
  launched=$(date +%s%N)
  output="$("$program" 2>/dev/null)"
  shown=$(sed -n 's/^shown-at-epoch-ns //p' <<<"$output")
  [ -n "$shown" ] || { echo "run $run: the window was never shown" >&2; exit 1; }
  times+=("$(awk -v a="$launched" -v b="$shown" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')")
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "runs: ${times[*]} s"
echo "best ${sorted[0]} s, median ${sorted[$((runs / 2))]} s from launch to the main window shown"
