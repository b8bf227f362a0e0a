#!/usr/bin/env bash
# Measures Kelvaro's start-up (time, RSS, PSS) against its floor, the same window written plainly
# with no model and no logic, and against a bare Qt window, and times one whole check, on a
# virtual X display, from an optimised build. The programs start in turn, RUNS times each (20
# unless set), and the paired ratios compare runs made under the same load: on a shared machine
# compare them, and run it more than once.
# `scripts/bench.sh windows` times kelvaro.exe under Wine against the plain Win32 window instead.
# `scripts/bench.sh web` times the browser page in headless Chromium against a hand-written page
# of the same controls without WebAssembly.
set -euo pipefail
cd "$(dirname "$0")/.."
run() { xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" "$@"; }

if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  cmake --preset web > /dev/null
  cmake --build --preset web -j "$(nproc)" --target kelvaro_page
  # The floor takes the page's own style, inline as the page has it.
  mkdir -p build-web/bench
  awk 'FNR == NR { style = style $0 "\n"; next } /@KELVARO_STYLE@/ { printf "%s", style; next } 1' \
    views/web/kelvaro.css bench/web_floor.html > build-web/bench/web_floor.html
  for screen in 800x600 360x640; do # the window 1:1, and the phone's column
    node bench/web_startup.mjs "${RUNS:-25}" "$screen" build-web/views/web/kelvaro.html \
      build-web/bench/web_floor.html
  done
  exit 0
fi

if [ "${1:-}" = windows ]; then
  scripts/setup.sh test windows
  cmake --preset bench > /dev/null
  cmake --build --preset bench -j "$(nproc)" --target startup_bench
  cmake --preset windows > /dev/null
  cmake --build --preset windows -j "$(nproc)" --target kelvaro plain_win32_window
  # Wine on the virtual display, in a prefix of its own beside the tests' display-less one.
  export KELVARO_WINE_DRIVER=x11 KELVARO_WINE_PREFIX=$PWD/build-windows/wine-x11
  launchers=build-windows/bench/launchers
  mkdir -p "$launchers"
  for exe in views/win32/kelvaro.exe bench/plain_win32_window.exe; do
    printf '#!/bin/sh\nexec %s %s\n' "$PWD/cmake/wine-run.sh" "$PWD/build-windows/$exe" \
      > "$launchers/$(basename "$exe" .exe)"
    chmod +x "$launchers/$(basename "$exe" .exe)"
  done
  run build-bench/bench/startup_bench "${RUNS:-20}" "$launchers/kelvaro" \
    "$launchers/plain_win32_window"
  WINEPREFIX=$KELVARO_WINE_PREFIX wineserver -k || true # its windows belonged to that display
  exit 0
fi

scripts/setup.sh test
cmake --preset bench > /dev/null
cmake --build --preset bench -j "$(nproc)" --target kelvaro plain_qt_window bare_window \
  startup_bench check_bench
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
run build-bench/bench/startup_bench "${RUNS:-20}" build-bench/views/qt/kelvaro \
  build-bench/bench/plain_qt_window build-bench/bench/bare_window
run build-bench/bench/check_bench
