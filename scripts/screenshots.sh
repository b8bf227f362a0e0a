#!/usr/bin/env bash
# Renders the README's screenshots of the real window on a virtual X display, into docs/.
# `scripts/screenshots.sh web` renders those of the browser page in headless Chromium instead.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  cmake --preset web > /dev/null
  cmake --build --preset web -j "$(nproc)" --target kelvaro_page
  node tools/web_screenshots.mjs docs
  echo "Wrote docs/kelvaro-web.png and kelvaro-web-phone.png, -phone-landscape.png, -tablet.png"
  exit 0
fi

scripts/setup.sh test
cmake --preset dev > /dev/null
cmake --build --preset dev -j "$(nproc)" --target kelvaro_screenshots
mkdir -p docs
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" \
  build/tools/kelvaro_screenshots docs
echo "Wrote docs/kelvaro-start.png, kelvaro-brass.png, kelvaro-list-focus.png and kelvaro-dark.png"
