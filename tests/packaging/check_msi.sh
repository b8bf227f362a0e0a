#!/usr/bin/env bash
# check_msi.sh SOURCE BUILD MSI STARTER: installs the msi silently under Wine, as a school's IT
# deploys it; starts the installed kelvaro.exe and closes its window (STARTER); uninstalls it
# silently and checks that Program Files and the Start menu no longer have it.
set -euo pipefail
source=$1 build=$2 msi=$3 starter=$4
export KELVARO_WINE_PREFIX=$build/wine-prefix
run() { "$source/cmake/wine-run.sh" "$@"; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

drive_c=$KELVARO_WINE_PREFIX/drive_c
program="$drive_c/Program Files/Kelvaro"
# Wine puts even a machine-wide shortcut into the user's Start menu.
menu_entries() { find "$drive_c" -path '*/Start Menu/Programs/Kelvaro.lnk'; }

run msiexec /i "$(windows_path "$msi")" /qn
[ -f "$program/kelvaro.exe" ] || { echo "not installed: $program/kelvaro.exe" >&2; exit 1; }
[ -n "$(menu_entries)" ] || { echo "no Start-menu entry" >&2; exit 1; }
run "$starter" 'C:\Program Files\Kelvaro\kelvaro.exe'
run msiexec /x "$(windows_path "$msi")" /qn
[ ! -e "$program" ] || { echo "left behind: $program" >&2; exit 1; }
[ -z "$(menu_entries)" ] || { echo "left behind: $(menu_entries)" >&2; exit 1; }
echo "installed, started, closed and removed"
