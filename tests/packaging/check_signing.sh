#!/usr/bin/env bash
# check_signing.sh SOURCE FILE...: scripts/sign-windows.sh on copies of the program and its
# installer, with a throwaway self-signed certificate: without a certificate it leaves them
# unsigned; with a wrong password it stops in one line and changes nothing; with the right one
# osslsigncode verifies every signature against the certificate.
set -euo pipefail
source=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "$*" >&2
  exit 1
}
copies=()
for file in "$@"; do
  cp "$file" "$work/"
  copies+=("$work/$(basename "$file")")
done
sign() { "$source/scripts/sign-windows.sh" "${copies[@]}"; }
unchanged() {
  for file in "$@"; do
    cmp -s "$file" "$work/$(basename "$file")" || fail "$(basename "$file") was changed"
  done
  [ -z "$(find "$work" -name '*.signing')" ] || fail "a half-signed file was left"
}

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 1 \
  -subj "/CN=Kelvaro test signer" -addext extendedKeyUsage=codeSigning 2> /dev/null
echo right > "$work/password"
echo wrong > "$work/wrong"
openssl pkcs12 -export -in "$work/cert.pem" -inkey "$work/key.pem" -out "$work/signer.pfx" \
  -passout "file:$work/password"

said=$(unset KELVARO_SIGN_PFX && sign)
[ "$(wc -l <<< "$said")" = 1 ] || fail "unsigned: said more than one line: $said"
unchanged "$@"

export KELVARO_SIGN_PFX=$work/signer.pfx KELVARO_SIGN_PASSWORD_FILE=$work/wrong
if said=$(sign 2>&1); then fail "signed with a wrong password"; fi
[ "$(wc -l <<< "$said")" = 1 ] || fail "wrong password: said more than one line: $said"
unchanged "$@"

KELVARO_SIGN_PASSWORD_FILE=$work/password sign > /dev/null
for copy in "${copies[@]}"; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$copy" > "$work/verify.log" 2>&1 ||
    fail "$(basename "$copy"): $(cat "$work/verify.log")"
  echo "$(basename "$copy"): $(grep -m1 -E 'Message digest algorithm' "$work/verify.log"), \
$(grep -m1 'Signature verification' "$work/verify.log")"
done
