#!/usr/bin/env bash
# Renders docs/kelvaro-windows.png, kelvaro.exe at start under Wine, and
# docs/kelvaro-windows-high-contrast.png, the same under Windows' black high-contrast scheme, on a
# virtual X display, with the title bar that Wine draws itself when no window manager runs.
# Needs xvfb, imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows > /dev/null
cmake --build --preset windows -j "$(nproc)" --target kelvaro kelvaro_high_contrast
export KELVARO_WINE_DRIVER=x11

# shoot PREFIX PROGRAM PICTURE: the program's window at start, in a Wine prefix of its own.
shoot() {
  export KELVARO_WINE_PREFIX=$PWD/build-windows/$1
  cmake/wine-run.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > /dev/null 2>&1
  xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -dpi 96" bash -c '
    cmake/wine-run.sh "$0" &
    sleep "${KELVARO_SCREENSHOT_WAIT:-8}"
    import -window root build-windows/screen.png
    kill $!' "$2"
  WINEPREFIX=$KELVARO_WINE_PREFIX wineserver -k || true # its windows belonged to that display
  convert build-windows/screen.png -trim +repage "docs/$3"
  echo "docs/$3"
}

shoot wine-x11 build-windows/views/win32/kelvaro.exe kelvaro-windows.png
# The scheme's colours stay in the prefix they were set in.
shoot wine-x11-high-contrast build-windows/tools/kelvaro_high_contrast.exe \
  kelvaro-windows-high-contrast.png
