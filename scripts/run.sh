#!/usr/bin/env bash
# Sets up what is missing, builds an optimised Kelvaro and opens its window. The build's output
# goes to build-logs/; the terminal gets one line per step.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a" \
    "desktop session, or under a virtual one with xvfb-run" >&2
  exit 1
fi

scripts/setup.sh run

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
echo "Building Kelvaro in build-release/ (output in build-logs/)"
step configure cmake --preset release
step build cmake --build --preset release -j "$(nproc)" --target kelvaro
echo "Starting Kelvaro"
exec build-release/window/qt/kelvaro "$@"
