#!/usr/bin/env bash
# Renders docs/kelvaro-windows.png: kelvaro.exe at start under Wine, on a virtual X display, with
# the title bar that Wine draws itself when no window manager runs. Needs xvfb, imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows > /dev/null
cmake --build --preset windows -j "$(nproc)" --target kelvaro
export KELVARO_WINE_DRIVER=x11 KELVARO_WINE_PREFIX=$PWD/build-windows/wine-x11
run() { cmake/wine-run.sh "$@"; }
run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > /dev/null 2>&1

xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -dpi 96" bash -c '
  cmake/wine-run.sh build-windows/window/win32/kelvaro.exe &
  sleep "${KELVARO_SCREENSHOT_WAIT:-8}"
  import -window root build-windows/screen.png
  kill $!'
WINEPREFIX=$KELVARO_WINE_PREFIX wineserver -k || true # its windows belonged to that display
convert build-windows/screen.png -trim +repage docs/kelvaro-windows.png
echo docs/kelvaro-windows.png
