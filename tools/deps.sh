#!/usr/bin/env bash
# Installs what building and testing Orvane needs on Debian 12 (run as root).
# Quiet and quick when everything is there already.
set -euo pipefail
# qt6-translations-l10n: Qt's own texts in Russian, which the program loads
# and the every-text test checks.
packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev
          python3-xlrd qt6-translations-l10n)
if [ "${1:-}" = "--ci" ]; then
  # The independent readers of the end-to-end tests; the Apache POI check runs
  # a Java source file directly, which needs the compiler of the JDK; pdftotext
  # (poppler-utils) reads the PDF that LibreOffice prints of a report.
  packages+=(clang libclang-rt-14-dev libreoffice-calc-nogui gnumeric default-jdk-headless libapache-poi-java
             poppler-utils)
  # The Windows cross build: MinGW-w64, GoogleTest's sources for it, Wine to
  # run its tests (wine64 lives in /usr/lib/wine, tools/wine-run.sh finds it).
  packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools googletest wine64 ninja-build)
  # The desktop program for Windows: the host Qt tools (moc, uic) of the same
  # version as the shared Qt for MinGW, ccache (its cache kept in the build
  # folder), NSIS for the installer, and for trying
  # both under Wine a virtual display, xdotool and xwininfo to find the main
  # window, xwd and netpbm for screenshots, Wine's own fonts (Tahoma) and
  # Liberation Sans (the prefix's stand-in for Arial).
  packages+=(qt6-base-dev-tools ccache nsis xvfb xauth x11-utils x11-apps xdotool netpbm fonts-wine fonts-liberation)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
