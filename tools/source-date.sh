#!/usr/bin/env bash
# Writes the build's reference time (seconds since 1970) to <file>: the
# environment's SOURCE_DATE_EPOCH, else the date of the checkout's last commit.
# The file is rewritten only when the value changes, so what depends on it is
# rebuilt only then.
#   source-date.sh <source folder> <file>
set -euo pipefail
src=$1 file=$2
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$src" log -1 --format=%ct 2>/dev/null || true)}
if ! [[ $epoch =~ ^[0-9]+$ ]]; then
  echo "source-date.sh: $src is no git checkout: set SOURCE_DATE_EPOCH" >&2
  exit 1
fi
[ "$(cat "$file" 2>/dev/null)" = "$epoch" ] || printf '%s\n' "$epoch" >"$file"
