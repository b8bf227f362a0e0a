#!/bin/sh
# wine-run.sh PROGRAM [ARGS...]: runs a Windows program under Wine in a private prefix, made on
# first use: $KELVARO_WINE_PREFIX, or wine-prefix/ in the build folder that holds PROGRAM. The
# prefix needs no display (Wine's null graphics driver), asks for
# no Mono or Gecko, writes nothing into the user's menus, and draws "Times New Roman" with
# Liberation Serif. KELVARO_WINE_DRIVER=x11 draws on $DISPLAY instead.
set -eu
build_folder() {
  dir=$(dirname "$(realpath -m "$1")")
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" != / ] || { echo "wine-run.sh: $1 is in no build folder" >&2; exit 2; }
  echo "$dir"
}
WINEPREFIX=$(realpath -m "${KELVARO_WINE_PREFIX:-$(build_folder "$1")/wine-prefix}")
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
driver=${KELVARO_WINE_DRIVER:-null}

make_prefix() {
  wineboot --init > /dev/null 2>&1 < /dev/null 9>&-
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2> /dev/null || true
  settings="$WINEPREFIX/kelvaro.reg"
  cat > "$settings" << 'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"
REG
  wine regedit /S "$settings" > /dev/null 2>&1 < /dev/null 9>&-
  touch "$WINEPREFIX/.kelvaro-ready"
}

set_driver() {
  [ "$(cat "$WINEPREFIX/.kelvaro-driver" 2> /dev/null)" = "$driver" ] && return 0
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="%s"\n' "$driver" \
    > "$WINEPREFIX/driver.reg"
  wine regedit /S "$WINEPREFIX/driver.reg" > /dev/null 2>&1 < /dev/null 9>&-
  echo "$driver" > "$WINEPREFIX/.kelvaro-driver"
  # The desktop process keeps the driver it started with: start the server and it afresh, and
  # the services too, with their output detached, before any program whose output is watched.
  wineserver -k || true
  wineserver -p > /dev/null 2>&1 < /dev/null 9>&- || true
  wineboot > /dev/null 2>&1 < /dev/null 9>&-
}

# One test at a time makes the prefix; CTest runs several at once.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9> "$WINEPREFIX.lock"
flock 9
# A persistent server, its output detached, so that no test's output pipe stays open behind it
# or behind the services it starts; it goes to the background by itself, or finds one running.
mkdir -p "$WINEPREFIX"
wineserver -p > /dev/null 2>&1 < /dev/null 9>&- || true
[ -f "$WINEPREFIX/.kelvaro-ready" ] || make_prefix
set_driver
flock -u 9
exec 9>&-
exec wine "$@"
