#!/usr/bin/env bash
# Builds the Debian package of an optimised Kelvaro: build-release/kelvaro_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)"
(cd build-release && cpack -G DEB)
