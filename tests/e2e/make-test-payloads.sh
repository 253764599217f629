#!/usr/bin/env bash
# Payloads that fail to extract, for the test wizards: the payload's files
# packed with another password, and the real payload with a damaged packed
# block.
#   make-test-payloads.sh <payload archive> <its staging folder> <output folder>
set -euo pipefail
payload=$1 stage=$2 out=$3
mkdir -p "$out"
rm -f "$out/wrong-password.7z"
(cd "$stage" && 7zz a -t7z -m0=LZMA -mhe=off -p'another$$' "$out/wrong-password.7z" . >/dev/null)
# The packed blocks start right after the 32-byte signature header: bytes
# inside the first one spoil its decrypted data, while the header at the end
# of the file still lists every item.
cp "$payload" "$out/damaged.7z"
printf '\xde\xad\xbe\xef\xde\xad\xbe\xef' | dd of="$out/damaged.7z" bs=1 seek=200 conv=notrunc status=none
