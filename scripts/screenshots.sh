#!/usr/bin/env bash
# Renders the README's screenshots of the real window on a virtual X display, into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
cmake --preset dev > /dev/null
cmake --build --preset dev -j "$(nproc)" --target kelvaro_screenshots
mkdir -p docs
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" \
  build/tools/kelvaro_screenshots docs
echo "Wrote docs/kelvaro-start.png, kelvaro-brass.png, kelvaro-list-focus.png and kelvaro-dark.png"
