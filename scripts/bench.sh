#!/usr/bin/env bash
# Measures Kelvaro against a bare Qt window (start-up time, RSS, PSS) and times one whole check,
# on a virtual X display, from an optimised build. Timings on a shared machine are noisy: compare
# the ratios, and run it more than once.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" --target kelvaro bare_window bare_text_window \
  startup_bench check_bench
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
run() { xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" "$@"; }
run build-release/bench/startup_bench "${RUNS:-20}" build-release/window/kelvaro \
  build-release/bench/bare_window build-release/bench/bare_text_window
run build-release/bench/check_bench
