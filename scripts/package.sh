#!/usr/bin/env bash
# Builds the Debian package of an optimised Kelvaro: build-release/kelvaro_<version>_<arch>.deb
# `scripts/package.sh windows` builds the Windows packages instead, in build-windows/: kelvaro.exe,
# the portable kelvaro-<version>-windows-x64.zip and the installer kelvaro-<version>-x64.msi.
# `scripts/package.sh web` builds the browser page, one self-contained
# build-web/window/web/kelvaro.html.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  cmake --preset web > /dev/null
  cmake --build --preset web -j "$(nproc)" --target kelvaro_page
  page=build-web/window/web/kelvaro.html
  echo "$page: $(stat -c %s "$page") bytes, $(gzip -9 -c "$page" | wc -c) gzipped"
  exit 0
fi

if [ "${1:-}" = windows ]; then
  scripts/setup.sh windows
  cmake --preset windows > /dev/null
  cmake --build --preset windows -j "$(nproc)" --target kelvaro msi
  (cd build-windows && cpack -G ZIP > /dev/null)
  ls -l build-windows/window/win32/kelvaro.exe build-windows/kelvaro-*-windows-x64.zip \
    build-windows/kelvaro-*-x64.msi
  exit 0
fi

scripts/setup.sh test
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)"
(cd build-release && cpack -G DEB)
