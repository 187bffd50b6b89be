#!/usr/bin/env bash
# Rebuilds the four report templates (FormLoad*.xls) from make_templates.py
# and the sketch insulator_string.svg. Needs python3 and LibreOffice
# (apt-get install libreoffice-calc-nogui); redrawing the sketch needs
# rsvg-convert (librsvg2-bin), otherwise the committed PNG is used.
# Building the program needs none of this: the .xls files are committed.
set -euo pipefail
cd "$(dirname "$0")"

if command -v rsvg-convert >/dev/null; then
  rsvg-convert -w 600 -h 520 insulator_string.svg -o insulator_string.png
fi
python3 make_templates.py . insulator_string.png >/dev/null

# A private LibreOffice profile, so a running LibreOffice does not take the job.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
for source in FormLoad*.fods; do
  soffice -env:UserInstallation="file://$profile" --headless --norestore \
    --convert-to 'xls:MS Excel 97' --outdir . "$source" >/dev/null
  test -s "${source%.fods}.xls" || { echo "conversion of $source failed" >&2; exit 1; }
done
ls -l FormLoad*.xls
