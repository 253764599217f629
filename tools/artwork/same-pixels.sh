#!/usr/bin/env bash
# Succeeds when two pictures decode to the same 8-bit RGBA pixels (and size),
# whatever their encoding; otherwise names the pair and fails.
#   same-pixels.sh <picture> <picture>
set -euo pipefail
decoded() { convert "$1" -depth 8 RGBA:- | sha256sum; }
size() { identify -format '%wx%h' "$1"; }
if [[ $(size "$1") != "$(size "$2")" || $(decoded "$1") != "$(decoded "$2")" ]]; then
  echo "same-pixels.sh: $1 and $2 differ" >&2
  exit 1
fi
