#!/usr/bin/env bash
# make-msi.sh STAGE VERSION ARCH MSI: builds the installer of one version and one architecture
# (x64 or x86) with wixl, from the kelvaro.wxs, kelvaro.exe and kelvaro.ico staged in STAGE, and
# gives it with msibuild what wixl cannot: its package code, a Start-menu shortcut that is not
# advertised, and a reinstall of every file when the same version is installed again.
set -euo pipefail
stage=$1 version=$2 arch=$3 msi=$(realpath -m "$4")
read -r product package component < <(cmake -DVERSION="$version" -DARCH="$arch" \
  -P "$(dirname "$0")/../cmake/KelvaroMsiCodes.cmake")
case $arch in
  x64) program_files=ProgramFiles64Folder win64=yes template=x64 ;;
  x86) program_files=ProgramFilesFolder win64=no template=Intel ;;
  *) echo "make-msi: no architecture '$arch' (x64, x86)" >&2; exit 2 ;;
esac
cd "$stage" # wixl takes its files by paths relative to the .wxs
# wixl says "unimplemented" of the shortcut it advertises; the query below gives it its target.
wixl -a "$arch" -D Version="$version" -D ProductCode="$product" -D ComponentGuid="$component" \
  -D ProgramFiles="$program_files" -D Win64="$win64" -o "$msi" kelvaro.wxs 2>&1 |
  { grep -v 'builder.vala:.*unimplemented' >&2 || true; }
msibuild "$msi" -s "Kelvaro $version" "The Kelvaro developers" "$template;1033" "{$package}"
msibuild "$msi" -q "UPDATE \`Shortcut\` SET \`Target\` = '[#KelvaroExe]'"
# Installed again, the same version reinstalls every file (REINSTALL=ALL REINSTALLMODE=amus).
for action in "ReplaceEveryFile 51 REINSTALLMODE amus 790" "ReinstallEveryFeature 51 REINSTALL ALL 791"; do
  read -r name type property value sequence <<< "$action"
  msibuild "$msi" -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) \
VALUES ('$name', $type, '$property', '$value')"
  msibuild "$msi" -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) \
VALUES ('$name', 'Installed AND NOT REMOVE AND NOT REINSTALL', $sequence)"
done
