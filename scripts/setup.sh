#!/usr/bin/env bash
# Installs the Debian packages that Kelvaro needs to build, test and run; does nothing when all of
# them are present. Safe to run again and again.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev libgl-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth x11-utils
  desktop-file-utils appstream dpkg-dev file
  clang-format clang-tidy cppcheck valgrind
  libx11-dev libbenchmark-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
