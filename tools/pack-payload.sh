#!/usr/bin/env bash
# Packs the payload archive: the data tree, and with programs (the sample)
# those at the root plus an empty folder; a publisher's folder alone is
# packed exactly as it is. Header readable without the password, file
# data AES-256 encrypted, LZMA with the default filters (so the executables
# get their own BCJ + LZMA block).
#   pack-payload.sh <archive> <staging folder> <data folder> [<program>...]
set -euo pipefail
archive=$1 stage=$2 data=$3
shift 3
rm -rf "$stage" "$archive"
mkdir -p "$stage"
cp -R "$data/." "$stage/"
if [ $# -gt 0 ]; then
  mkdir -p "$stage/plugins"
  cp "$@" "$stage/"
fi
# Single quotes keep the two dollar signs of the password literal.
cd "$stage"
7zz a -t7z -m0=LZMA -mhe=off -p'wqbirex$$' "$archive" . >/dev/null
