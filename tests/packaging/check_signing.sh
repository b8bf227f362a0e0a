#!/usr/bin/env bash
# check_signing.sh SOURCE FILE...: scripts/sign-windows.sh on copies of the program and its
# installer, with a throwaway self-signed certificate: without one it leaves them unsigned; with
# a wrong password it stops in one line and changes nothing; with the right one osslsigncode
# verifies every signature against the certificate.
set -euo pipefail
source=$1 work=$(mktemp -d)
shift
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2 && exit 1; }
cp "$@" "$work/"
copies=("$work"/*)
sign() { "$source/scripts/sign-windows.sh" "${copies[@]}" 2>&1; }
unchanged() { # the copies are as they came, and nothing half-signed is left
  for file in "$@"; do cmp -s "$file" "$work/$(basename "$file")" || fail "$file was changed"; done
  [ "$(ls "$work" | wc -l)" = $# ] || fail "left behind: $(ls "$work")"
}

said=$(unset KELVARO_SIGN_PFX && sign)
[ "$(wc -l <<< "$said")" = 1 ] || fail "unsigned, it said more than one line: $said"
unchanged "$@"

mkdir "$work/.certificate" && cd "$work/.certificate"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 1 \
  -subj "/CN=Kelvaro test signer" -addext extendedKeyUsage=codeSigning 2> /dev/null
echo right > password && echo wrong > wrong
openssl pkcs12 -export -in cert.pem -inkey key.pem -out signer.pfx -passout file:password
export KELVARO_SIGN_PFX=$PWD/signer.pfx KELVARO_SIGN_PASSWORD_FILE=$PWD/wrong
if said=$(sign); then fail "signed with a wrong password"; fi
[ "$(wc -l <<< "$said")" = 1 ] || fail "wrong password, it said more than one line: $said"
unchanged "$@"

KELVARO_SIGN_PASSWORD_FILE=$PWD/password sign > /dev/null
for copy in "${copies[@]}"; do
  osslsigncode verify -CAfile cert.pem -in "$copy" > verify.log 2>&1 || fail "$(cat verify.log)"
  echo "$(basename "$copy"): $(grep -m1 -o 'Message digest algorithm.*' verify.log | tr -s ' '), \
$(grep -m1 'Signature verification' verify.log)"
done
