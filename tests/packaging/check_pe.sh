#!/usr/bin/env bash
# check_pe.sh EXE ARCH ALLOWED: that a Windows program loads on Windows 7 SP1 and later, read
# from its PE header without running it: the machine of ARCH (x64 or x86), the GUI subsystem at
# a version of at most 6.1 (Windows 7), and only imports that ALLOWED lists, each with the first
# Windows that has it.
set -euo pipefail
exe=$1 arch=$2 allowed=$3
objdump=x86_64-w64-mingw32-objdump # reads 32-bit programs too
fail() { echo "$(basename "$exe"): $*" >&2 && exit 1; }

case $arch in
  x64) machine=i386:x86-64 ;;
  x86) machine=i386 ;;
  *) fail "no architecture '$arch' (x64, x86)" ;;
esac
found=$("$objdump" -f "$exe" | sed -n 's/^architecture: \([^,]*\),.*/\1/p')
[ "$found" = "$machine" ] || fail "is built for $found, not $machine"

headers=$("$objdump" -p "$exe")
field() { awk -v name="$1" '$1 == name { print $2 }' <<< "$headers"; }
[ "$(field Subsystem)" = 00000002 ] || fail "subsystem $(field Subsystem), not Windows GUI (2)"
major=$(field MajorSubsystemVersion) minor=$(field MinorSubsystemVersion)
((major < 6 || (major == 6 && minor <= 1))) ||
  fail "subsystem version $major.$minor: Windows 7 (6.1) would refuse to start it"

unversioned=$(grep -vE '^[[:space:]]*(#|$)' "$allowed" | grep -v '# Windows ' || true)
[ -z "$unversioned" ] || fail "allowed imports without the Windows that has them: $unversioned"
imports=$(awk '/DLL Name:/ { dll = $3; next }
  dll && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print toupper(dll), $3 }' <<< "$headers" | sort -u)
listed=$(grep -vE '^[[:space:]]*(#|$)' "$allowed" | awk '{ print toupper($1), $2 }' | sort -u)
unlisted=$(comm -23 <(echo "$imports") <(echo "$listed"))
[ -z "$unlisted" ] || fail "imports what Windows 7 SP1 may lack (add it to $(basename "$allowed") \
with the first Windows that has it, or look it up at run time):
$unlisted"
echo "$(basename "$exe"): $machine, Windows GUI $major.$minor, $(wc -l <<< "$imports") imports," \
  "all in Windows 7 SP1"
