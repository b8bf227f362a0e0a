#!/usr/bin/env bash
# Measures Kelvaro against a bare Qt window (start-up time, RSS, PSS) and times one whole check,
# on a virtual X display, from an optimised build. Timings on a shared machine are noisy: compare
# the ratios, and run it more than once.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
cmake --preset bench > /dev/null
cmake --build --preset bench -j "$(nproc)" --target kelvaro bare_window bare_text_window \
  startup_bench check_bench
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
run() { xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" "$@"; }
run build-bench/bench/startup_bench "${RUNS:-20}" build-bench/window/qt/kelvaro \
  build-bench/bench/bare_window build-bench/bench/bare_text_window
run build-bench/bench/check_bench
