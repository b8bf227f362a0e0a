#!/usr/bin/env bash
# Sets up what is missing, builds Kelvaro and runs the whole test suite: once in a plain build
# (build/), once with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
# Give preset names to run only those: scripts/test.sh dev
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(dev asan)

werror=OFF
[ "${CI:-}" = true ] && werror=ON

for preset in "${presets[@]}"; do
  echo "== $preset build"
  cmake --preset "$preset" -DKELVARO_WERROR="$werror" > /dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset" -j "$(nproc)"
done
