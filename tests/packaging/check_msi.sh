#!/usr/bin/env bash
# check_msi.sh SOURCE BUILD MSI VERSION ARCH STARTER: the installer's life on a school PC, under
# Wine and silent, as an IT department deploys it. It installs the msi, starts the installed
# kelvaro.exe and closes it (STARTER; "-" where nothing here can run it, as for x86, which goes
# into Program Files (x86)); installs the same version again over a damaged install;
# upgrades to a higher version; is refused by the older one; and uninstalls. After each step it
# checks the one uninstall entry, Program Files and the Start menu.
set -euo pipefail
source=$1 build=$2 msi=$3 version=$4 arch=$5 starter=$6
export KELVARO_WINE_PREFIX=$build/wine-prefix
run() { "$source/cmake/wine-run.sh" "$@"; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
fail() { echo "$*" >&2 && exit 1; }

drive_c=$KELVARO_WINE_PREFIX/drive_c
program_files='Program Files' view=/reg:64
[ "$arch" = x64 ] || program_files='Program Files (x86)' view=/reg:32
program="$drive_c/$program_files/Kelvaro/kelvaro.exe"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Wine puts even a machine-wide shortcut into the user's Start menu.
menu_entries() { find "$drive_c" -path '*/Start Menu/Programs/Kelvaro.lnk'; }
# A 32-bit package's entry is in the registry's 32-bit view.
entries() { run reg query "$uninstall" /s "$view" 2> /dev/null | tr -d '\r' | grep -c 'DisplayName.*Kelvaro' || true; }
shown_version() {
  run reg query "$uninstall" /s "$view" 2> /dev/null | tr -d '\r' | awk '/DisplayVersion/ { print $3 }'
}
installed() { # installed VERSION
  [ "$(entries)" = 1 ] || fail "$(entries) uninstall entries for Kelvaro, not 1"
  [ "$(shown_version)" = "$1" ] || fail "Add/Remove Programs shows version $(shown_version), not $1"
  [ -f "$program" ] || fail "not installed: $program"
  [ -n "$(menu_entries)" ] || fail "no Start-menu entry"
}

# What the package says, which Wine does not show: a shortcut to the file, not advertised, and
# the icon and publisher of Add/Remove Programs.
for row in 'Shortcut	StartMenuEntry	.*	\[#KelvaroExe\]' 'Property	ARPPRODUCTICON	kelvaro.ico' \
  'Property	Manufacturer	The Kelvaro developers'; do
  table=$(msiinfo export "$msi" "${row%%	*}") || fail "cannot read the msi's ${row%%	*} table"
  grep -q "^${row#*	}" <<< "$table" || fail "the msi lacks ${row//	/ }"
done

# A run that failed half-way leaves its Kelvaro behind: removed by its ProductCode.
for product in $(run reg query "$uninstall" "$view" 2> /dev/null | tr -d '\r' | grep -o '{[-0-9A-F]*}'); do
  name=$(run reg query "$uninstall\\$product" /v DisplayName "$view" 2> /dev/null || true)
  [[ $name != *Kelvaro* ]] || run msiexec /x "$product" /qn
done
[ "$(entries)" = 0 ] || fail "a Kelvaro is installed before the test and stays"
run msiexec /i "$(windows_path "$msi")" /qn
installed "$version"
if [ "$starter" = - ]; then
  echo "installed $version into $program_files: one entry"
else
  run "$starter" "C:\\$program_files\\Kelvaro\\kelvaro.exe"
  echo "installed $version into $program_files: one entry, started and closed"
fi

rm "$program"
run msiexec /i "$(windows_path "$msi")" /qn
installed "$version"
echo "installed $version again over a damaged install: repaired, one entry"

higher=${version%.*}.$((${version##*.} + 1))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$source/scripts/make-msi.sh" "$build/msi" "$higher" "$arch" "$work/higher.msi"
run msiexec /i "$(windows_path "$work/higher.msi")" /qn
installed "$higher"
echo "installed $higher: upgraded, one entry"

if run msiexec /i "$(windows_path "$msi")" /qn /l*v "$(windows_path "$work/older.log")"; then
  fail "installing $version over $higher succeeded"
fi
installed "$higher"
[[ $(tr -d '\000\r' < "$work/older.log") == *'WIX_DOWNGRADE_DETECTED = '* ]] ||
  fail "the older version was refused for another reason"
echo "installing $version over $higher: refused, $higher kept"

run msiexec /x "$(windows_path "$work/higher.msi")" /qn
[ "$(entries)" = 0 ] || fail "left behind: an uninstall entry"
[ ! -e "$(dirname "$program")" ] || fail "left behind: $(dirname "$program")"
[ -z "$(menu_entries)" ] || fail "left behind: $(menu_entries)"
echo "uninstalled: no entry, nothing in Program Files or the Start menu"
