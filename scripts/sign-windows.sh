#!/usr/bin/env bash
# sign-windows.sh FILE...: signs Windows programs and installers in place, Authenticode with
# SHA-256, by Debian's osslsigncode, with the certificate in the .pfx file $KELVARO_SIGN_PFX and
# its password in the file $KELVARO_SIGN_PASSWORD_FILE; timestamped (RFC 3161) by
# $KELVARO_SIGN_TIMESTAMP_URL when it is set. Without a certificate it says so in one line and
# leaves the files unsigned. Files are replaced only once every one of them is signed: a bad
# certificate or password stops it with one line and leaves every file as it was.
set -euo pipefail

if [ -z "${KELVARO_SIGN_PFX:-}" ]; then
  echo "sign: KELVARO_SIGN_PFX is not set: $(basename -a "$@" | paste -sd ' ') left unsigned"
  exit 0
fi
for file in "$KELVARO_SIGN_PFX" "${KELVARO_SIGN_PASSWORD_FILE:?sign: KELVARO_SIGN_PASSWORD_FILE names no password file}"; do
  [ -r "$file" ] || { echo "sign: cannot read $file" >&2; exit 1; }
done

options=(-pkcs12 "$KELVARO_SIGN_PFX" -readpass "$KELVARO_SIGN_PASSWORD_FILE" -h sha256 -n Kelvaro)
[ -z "${KELVARO_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$KELVARO_SIGN_TIMESTAMP_URL")

signed=()
cleanup() { rm -f "${signed[@]}"; }
trap cleanup EXIT
for file in "$@"; do
  signed+=("$file.signing")
  if ! output=$(osslsigncode sign "${options[@]}" -in "$file" -out "$file.signing" 2>&1); then
    reason=$(grep -m1 -iE 'error|fail|invalid|wrong|unable' <<< "$output" || tail -n1 <<< "$output")
    echo "sign: could not sign $(basename "$file") with $KELVARO_SIGN_PFX: $reason" >&2
    exit 1
  fi
done
for file in "$@"; do
  mv "$file.signing" "$file"
done
signed=()
echo "sign: signed $(basename -a "$@" | paste -sd ' ')"
