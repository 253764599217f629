#!/usr/bin/env bash
# Packs the payload archive: the data tree, and with programs (the sample)
# those at the root plus an empty folder; a publisher's folder alone is
# packed exactly as it is. Header readable without the password, file
# data AES-256 encrypted, LZMA with the default filters (so the executables
# get their own BCJ + LZMA block). The dictionary is 16 MB: the library
# allocates the whole dictionary when it unpacks, and the packer's default of
# 32 MB would add that much to the wizard's memory for a payload a fraction of
# a per cent smaller.
#   pack-payload.sh <packer> <date file> <archive> <staging folder> <data folder> [<program>...]
# <packer> is the 7zr that tools/deps.sh builds for this host; <date file>
# holds the commit's date in seconds (tools/source-date.sh).
set -euo pipefail
packer=$1 date_file=$2 archive=$3 stage=$4 data=$5
shift 5
rm -rf "$stage" "$archive"
mkdir -p "$stage"
cp -R "$data/." "$stage/"
if [ $# -gt 0 ]; then
  mkdir -p "$stage/plugins"
  cp "$@" "$stage/"
fi
# A reproducible archive: every file time is the commit's date, the modes do
# not follow the umask, and the packer derives the salt and IVs of the
# encryption from the date.
epoch=$(cat "$date_file")
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$epoch" {} +
# Single quotes keep the two dollar signs of the password literal.
cd "$stage"
SOURCE_DATE_EPOCH=$epoch "$packer" a -t7z -m0=LZMA:d=16m -mhe=off -p'wqbirex$$' "$archive" . >/dev/null
