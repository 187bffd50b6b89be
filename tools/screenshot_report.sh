#!/bin/sh
# Pictures of the first sheet of a report of each example, English and
# Russian, for the manuals: the report made by the command line with the
# shipped catalogue, printed to PDF by LibreOffice, page 1 at 80 dpi.
# Usage: tools/screenshot_report.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
out="$root/docs/screenshots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$build" --target orvane orv_forms orv_catalogue -j2
for pair in en:line_110kv_en ru:line_35kv_ru; do
  lang=${pair%%:*}
  "$build/orvane" report "$root/examples/${pair#*:}.orv" -o "$work/report_$lang.xls" \
    --catalog "$build/base_provod.dat" --lang "$lang"
  soffice --headless --convert-to pdf --outdir "$work" "$work/report_$lang.xls" >/dev/null
  pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/report_$lang.pdf" "$out/report_sheet_$lang"
done
ls "$out"/report_sheet_*
