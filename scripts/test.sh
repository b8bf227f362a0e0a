#!/usr/bin/env bash
# Sets up what is missing, builds Kelvaro and runs the whole test suite: in a plain build (build/),
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), cross-built for 64-bit
# Windows and run under Wine (build-windows/), and built for the browser with emscripten
# (build-web/), whose suites run under Node.js and whose page and site are tested in Chromium,
# Firefox ESR and WebKitGTK; the
# optimised build (build-release/) is built too, so that it stays free of warnings, and the
# 32-bit Windows build (build-windows-x86/), whose program nothing here can run, is checked for
# Windows 7 and installed under Wine. In CI (CI=true) warnings are errors and the linters run
# too (scripts/lint.sh). Give preset names to run only those: scripts/test.sh dev
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(dev asan release windows windows-x86 web)

sets=()
for preset in "${presets[@]}"; do
  case $preset in
    windows*) sets+=(windows) ;;
    web) sets+=(web) ;;
    *) sets+=(test) ;;
  esac
done
scripts/setup.sh "${sets[@]}"

werror=OFF
[ "${CI:-}" = true ] && werror=ON

for preset in "${presets[@]}"; do
  echo "== $preset build"
  cmake --preset "$preset" -DKELVARO_WERROR="$werror" > /dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  [ "$preset" = release ] || ctest --preset "$preset" -j "$(nproc)"
  if [ "$preset" = web ]; then
    echo "== web page and site in Chromium, Firefox ESR and WebKitGTK"
    # Each test has a bound of its own; this one holds should a browser hang its clean-up.
    timeout --kill-after=30 1200 node --test tests/views/web/
  fi
done
# CI also holds the sources to the linters, once, on the compile commands of the builds above.
if [ "${CI:-}" = true ] && [[ " ${presets[*]} " == *" dev "* ]]; then
  scripts/lint.sh
fi
