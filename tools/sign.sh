#!/usr/bin/env bash
# Authenticode-signs Windows programs in place with osslsigncode (SHA-256),
# from a PKCS#12 file holding the certificate chain and the private key.
# Signing is the last step of a release: the signature covers the whole file,
# so every resource must already be bound.
#   LARKVIEW_SIGN_PKCS12=<file.p12> LARKVIEW_SIGN_PASSWORD=<password> \
#   [LARKVIEW_SIGN_TIMESTAMP_URL=<RFC 3161 server>] tools/sign.sh <program>...
# Without a time stamp the signature stops being valid when the certificate
# expires; a release should name a time-stamp server.
set -euo pipefail
if [ $# -eq 0 ] || [ -z "${LARKVIEW_SIGN_PKCS12:-}" ] || [ -z "${LARKVIEW_SIGN_PASSWORD+set}" ]; then
  echo "usage: LARKVIEW_SIGN_PKCS12=<file.p12> LARKVIEW_SIGN_PASSWORD=<password> tools/sign.sh <program>..." >&2
  exit 2
fi
[ -r "$LARKVIEW_SIGN_PKCS12" ] || { echo "sign.sh: cannot read $LARKVIEW_SIGN_PKCS12" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The password goes through a private file: a command-line argument would be
# readable by every user in the process list.
(umask 077 && printf '%s' "$LARKVIEW_SIGN_PASSWORD" >"$work/password")
timestamp=()
[ -z "${LARKVIEW_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$LARKVIEW_SIGN_TIMESTAMP_URL")

for program in "$@"; do
  osslsigncode sign -pkcs12 "$LARKVIEW_SIGN_PKCS12" -readpass "$work/password" -h sha256 \
    "${timestamp[@]}" -in "$program" -out "$work/signed" >"$work/log" 2>&1 ||
    { cat "$work/log" >&2; echo "sign.sh: signing $program failed" >&2; exit 1; }
  cat "$work/signed" >"$program"
  echo "signed $program"
done
