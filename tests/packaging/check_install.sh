#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack` make of a build folder.
# Usage: check_install.sh BUILD_DIR layout|desktop-entry|metainfo|package|SIGTERM|SIGINT|
#        SIGTERM-before-window|two-at-once|no-display
set -euo pipefail
build=$1
check=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=bg.kelvaro.Kelvaro

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the installed program; sets the variable named $1 to its pid once it catches SIGTERM. On
# an X display (DISPLAY set, as under xvfb-run) it then waits until $2 windows of Kelvaro are
# mapped; without one it runs on the offscreen platform and is signalled before any window.
start_program() {
  local platform=offscreen
  [ -z "${DISPLAY:-}" ] || platform=xcb
  QT_QPA_PLATFORM=$platform XDG_RUNTIME_DIR=$work "$work/usr/bin/kelvaro" &
  local pid=$!
  for _ in $(seq 100); do
    local caught
    caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2> /dev/null || echo 0)
    (((0x$caught >> 14) & 1)) && break
    sleep 0.05
  done
  [ -z "${DISPLAY:-}" ] || wait_for_windows "${2:-1}"
  printf -v "$1" %s "$pid"
}

# Waits until $1 top-level windows titled Kelvaro are viewable on the X display.
wait_for_windows() {
  for _ in $(seq 100); do
    local shown=0 id
    for id in $(xwininfo -root -tree | awk '/"Kelvaro": \(/ {print $1}'); do
      [[ $(xwininfo -id "$id") != *IsViewable* ]] || shown=$((shown + 1))
    done
    [ "$shown" -ge "$1" ] && return 0
    sleep 0.05
  done
  fail "fewer than $1 windows of Kelvaro appeared on the display"
}

# Sends signal $2 to pid $1; the program must exit with status 0 within a second.
stop_program() {
  local pid=$1 status=0
  kill -s "$2" "$pid"
  for _ in $(seq 20); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.05
  done
  if kill -0 "$pid" 2> /dev/null; then
    kill -KILL "$pid"
    fail "still running a second after $2"
  fi
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status after $2"
}

cmake --install "$build" --prefix "$work/usr" > /dev/null

case $check in
layout)
  expected="usr/bin/kelvaro
usr/share/applications/$id.desktop
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
  actual=$(cd "$work" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  [ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"
  for size in 32 48 64 128 256; do
    [[ $(file "$work/usr/share/icons/hicolor/${size}x$size/apps/$id.png") == *"$size x $size"* ]] \
      || fail "the ${size}x$size icon is not $size by $size pixels"
  done
  ;;
desktop-entry)
  entry=$work/usr/share/applications/$id.desktop
  report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
  ! grep -qE 'error|warning' <<< "$report" || fail "desktop-file-validate: $report"
  grep -qx 'Exec=kelvaro' "$entry" || fail "Exec is not the bare program name"
  grep -qx "Icon=$id" "$entry" || fail "Icon is not the application id"
  ;;
metainfo)
  report=$(appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
    || fail "appstreamcli: $report"
  ! grep -qE '^[EW]:' <<< "$report" || fail "appstreamcli: $report"
  ;;
package)
  (cd "$build" && cpack -G DEB -B "$work/package" > /dev/null)
  deb=$(ls "$work"/package/kelvaro_*.deb)
  info=$(dpkg-deb --info "$deb")
  depends=$(grep '^ Depends:' <<< "$info")
  for dependency in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
    grep -q "$dependency" <<< "$depends" || fail "Depends lacks $dependency: $depends"
  done
  grep -q '^ Recommends: .*qt6-wayland' <<< "$info" || fail "Recommends lacks qt6-wayland"
  grep -q '^ Maintainer: .*<.*@.*>' <<< "$info" || fail "no maintainer"
  grep -q '^ Description: .*alloys' <<< "$info" || fail "no description"
  contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
  for path in ./usr/bin/kelvaro "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png"; do
    grep -qx -- "$path" <<< "$contents" || fail "the package lacks $path"
  done
  ;;
SIGTERM | SIGINT | SIGTERM-before-window)
  start_program first
  stop_program "$first" "${check%-before-window}"
  ;;
two-at-once)
  start_program first 1
  start_program second 2
  stop_program "$first" SIGTERM
  stop_program "$second" SIGTERM
  ;;
no-display)
  for platform in "" xcb wayland; do
    status=0
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=$platform \
      "$work/usr/bin/kelvaro" 2>&1) || status=$?
    [ "$status" -eq 1 ] || fail "exit status $status without a display, platform '$platform'"
    [ "$(wc -l <<< "$output")" -eq 1 ] || fail "more than one line without a display: $output"
    grep -q 'no display' <<< "$output" || fail "no clear message: $output"
  done
  ;;
*)
  fail "no check named $check"
  ;;
esac
echo "PASS: $check"
