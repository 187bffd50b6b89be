#!/usr/bin/env bash
# Rebuilds docs/Orvhlp_en.pdf and docs/Orvhlp_ru.pdf from the Markdown sources in
# docs/manual/ (pandoc to HTML, weasyprint to PDF). The PDFs are committed, so
# building the program does not need these tools.
#   apt-get install pandoc weasyprint fonts-dejavu-core
set -euo pipefail
cd "$(dirname "$0")/manual"
for lang in en ru; do
  pandoc "manual_$lang.md" --standalone --toc --toc-depth=1 \
    --css style.css --metadata toc-title="$( [ $lang = en ] && echo Contents || echo Содержание )" \
    -o "manual_$lang.html"
  # Pictures that have not been taken yet are left out rather than shown broken.
  python3 - "manual_$lang.html" <<'PY'
import os, re, sys
path = sys.argv[1]
html = open(path, encoding="utf-8").read()
def keep(match):
    src = re.search(r'src="([^"]+)"', match.group(0)).group(1)
    return match.group(0) if os.path.exists(src) else ""
html = re.sub(r'<figure>.*?</figure>', keep, html, flags=re.S)
open(path, "w", encoding="utf-8").write(html)
PY
  weasyprint "manual_$lang.html" "../Orvhlp_$lang.pdf"
  rm -f "manual_$lang.html"
done
echo "docs/Orvhlp_en.pdf docs/Orvhlp_ru.pdf"
