#!/usr/bin/env bash
# Installs the Debian packages that one kind of work needs, and nothing when all are present; safe
# to run again and again. Usage: scripts/setup.sh run|test|windows|web...
#   run      build and run Kelvaro
#   test     build and run the Linux test suite, the linters and the benchmarks
#   windows  cross-build the Windows programs (x64 and x86), run their tests under Wine, package
#            and sign them
#   web      build the browser page and site with emscripten, test them in Chromium, Firefox ESR
#            and WebKitGTK and time the page; and the browser-test tools from npm, pinned by
#            package-lock.json, into node_modules/
# apt's output goes to build-logs/setup.log; the terminal gets one line per step.
set -euo pipefail
cd "$(dirname "$0")/.."

run=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
test=("${run[@]}" libgtest-dev libgmock-dev xvfb xauth x11-utils
  desktop-file-utils appstream dpkg-dev file clang-format clang-tidy cppcheck valgrind
  libx11-dev libbenchmark-dev adwaita-qt6 qt6-gtk-platformtheme qt6-base-private-dev)
windows=(cmake make googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
  fonts-wine fonts-liberation2 wixl msitools osslsigncode openssl)
# Node.js and npm come with Debian's nodejs and npm, or as one package from elsewhere that
# provides both: npm is asked for only where there is none.
web=(cmake make googletest emscripten node-acorn nodejs librsvg2-bin chromium firefox-esr
  webkit2gtk-driver xvfb fonts-liberation2 fonts-dejavu-core)
command -v npm > /dev/null || web+=(npm)

if [ $# -eq 0 ]; then
  echo "usage: scripts/setup.sh run|test|windows|web..." >&2
  exit 2
fi
packages=()
for set in "$@"; do
  case $set in
    run) packages+=("${run[@]}") ;;
    test) packages+=("${test[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    web) packages+=("${web[@]}") ;;
    *)
      echo "setup: no package set '$set' (run, test, windows, web)" >&2
      exit 2
      ;;
  esac
done

# The browser-test tools, once, and again only when the lock file changes: the tests then run
# without a network.
install_npm_tools() {
  [[ " $* " == *" web "* ]] || return 0
  [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ] ||
    return 0
  echo "Installing the browser-test tools from npm (package-lock.json)"
  npm ci --no-audit --no-fund --loglevel=error
}

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2> /dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  install_npm_tools "$@"
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "setup: ${#missing[@]} Debian packages are missing and there is no sudo here; as root," \
      "run: apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi

mkdir -p build-logs
log=$PWD/build-logs/setup.log
echo "Installing ${#missing[@]} Debian packages (apt's output: $log)"
{
  "${sudo[@]}" apt-get update -q &&
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
      "${missing[@]}"
} > "$log" 2>&1 || {
  tail -n 5 "$log" >&2
  echo "setup: installing the packages failed; the whole output is in $log" >&2
  exit 1
}
grep -E '^(Need to get|After this operation)' "$log" | sed 's/^/  /' || true
install_npm_tools "$@"
