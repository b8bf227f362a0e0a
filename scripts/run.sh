#!/usr/bin/env bash
# Sets up what is missing, builds Kelvaro and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" --target kelvaro
exec build-release/window/qt/kelvaro "$@"
