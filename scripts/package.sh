#!/usr/bin/env bash
# Builds the Debian package of an optimised Kelvaro: build-release/kelvaro_<version>_<arch>.deb
# `scripts/package.sh windows` builds the Windows packages instead, for x64 in build-windows/ and
# for x86 in build-windows-x86/: kelvaro.exe, the portable kelvaro-<version>-windows-<arch>.zip
# and the installer kelvaro-<version>-<arch>.msi. With KELVARO_SIGN_PFX and
# KELVARO_SIGN_PASSWORD_FILE set, every program and installer is signed
# (scripts/sign-windows.sh).
# `scripts/package.sh web` builds the browser page, one self-contained
# build-web/views/web/kelvaro.html, and the installable site build-web/site/ for a web server.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  cmake --preset web > /dev/null
  cmake --build --preset web -j "$(nproc)" --target kelvaro_page kelvaro_site
  page=build-web/views/web/kelvaro.html
  echo "$page: $(stat -c %s "$page") bytes, $(gzip -9 -c "$page" | wc -c) gzipped"
  echo "build-web/site/: $(ls build-web/site | paste -sd ' ')"
  exit 0
fi

if [ "${1:-}" = windows ]; then
  scripts/setup.sh windows
  for preset in windows windows-x86; do
    build=build-$preset
    cmake --preset "$preset" > /dev/null
    cmake --build --preset "$preset" -j "$(nproc)" --target kelvaro
    # The program is signed before the installer and the zip take it in.
    scripts/sign-windows.sh "$build/views/win32/kelvaro.exe"
    cmake --build --preset "$preset" -j "$(nproc)" --target msi
    scripts/sign-windows.sh "$build"/kelvaro-*.msi
    (cd "$build" && cpack -G ZIP > /dev/null)
    ls -l "$build/views/win32/kelvaro.exe" "$build"/kelvaro-*.zip "$build"/kelvaro-*.msi
  done
  exit 0
fi

scripts/setup.sh test
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)"
(cd build-release && cpack -G DEB)
