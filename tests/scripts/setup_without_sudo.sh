#!/usr/bin/env bash
# scripts/setup.sh run by a user who is not root and has no sudo, with packages missing: one clear
# line that names the command to run as root, status 1, and no attempt at apt-get.
# Usage: setup_without_sudo.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT

# The PATH holds only these: an ordinary user's id, packages all missing, an apt-get that tells.
printf '#!%s\necho 1000\n' "$BASH" > "$stubs/id"
printf '#!%s\nexit 1\n' "$BASH" > "$stubs/dpkg-query"
printf '#!%s\necho "apt-get was run" >&2\nexit 0\n' "$BASH" > "$stubs/apt-get"
chmod +x "$stubs"/*
ln -s "$(command -v dirname)" "$(command -v sort)" "$stubs/"

status=0
output=$(PATH=$stubs "$BASH" "$source_dir/scripts/setup.sh" run 2>&1) || status=$?
echo "$output"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1" >&2; exit 1; }
[ "$(echo "$output" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line" >&2; exit 1; }
case $output in
  *"no sudo"*"apt-get install --no-install-recommends "*qt6-base-dev*) ;;
  *) echo "FAIL: the line does not name the apt-get command" >&2; exit 1 ;;
esac
