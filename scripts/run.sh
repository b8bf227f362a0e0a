#!/usr/bin/env bash
# Sets up what is missing, builds an optimised Kelvaro and opens its window. The build's output
# goes to build-logs/; the terminal gets one line per step.
# `scripts/run.sh web` builds the browser page instead and opens it in the default browser.
set -euo pipefail
cd "$(dirname "$0")/.."

# Runs "$@" with its output in build-logs/$1.log; says where to look when it fails.
step() {
  local log=$PWD/build-logs/$1.log
  shift
  "$@" > "$log" 2>&1 || {
    tail -n 20 "$log" >&2
    echo "run: '$*' failed; the whole output is in $log" >&2
    exit 1
  }
}
mkdir -p build-logs

if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  echo "Building kelvaro.html in build-web/ (output in build-logs/)"
  step configure-web cmake --preset web
  step build-web cmake --build --preset web -j "$(nproc)" --target kelvaro_page
  page=$PWD/build-web/views/web/kelvaro.html
  if command -v xdg-open > /dev/null && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Opening $page"
    exec xdg-open "$page"
  fi
  echo "No browser to open it here; open this file in one: $page"
  exit 0
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a" \
    "desktop session, or under a virtual one with xvfb-run" >&2
  exit 1
fi

scripts/setup.sh run

echo "Building Kelvaro in build-release/ (output in build-logs/)"
step configure cmake --preset release
step build cmake --build --preset release -j "$(nproc)" --target kelvaro
echo "Starting Kelvaro"
exec build-release/views/qt/kelvaro "$@"
