#!/usr/bin/env bash
# Packs the extraction benchmark's archive: about 57 MB of mixed files that
# unpack from about 30 MB, the same bytes on every run on this system:
#   - incompressible data (seeded pseudo-random bytes), like media;
#   - text made of seeded random words;
#   - executables: Windows DLLs of Debian's Wine 8.0 package.
# Packed like the payload: LZMA with a 16 MB dictionary (BCJ for the
# executables), AES, header in clear.
#   make-bench-archive.sh <archive> <staging folder>
set -euo pipefail
export LC_ALL=C.UTF-8
archive=$1 stage=$2
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
rm -rf "$stage" "$archive"
mkdir -p "$stage/media" "$stage/docs" "$stage/bin"

python3 - "$stage" <<'PY'
import random, sys
stage = sys.argv[1]
rng = random.Random(7)
for i in range(6):
    with open(f"{stage}/media/clip{i}.bin", "wb") as f:
        f.write(rng.randbytes(3_000_000))
letters = "abcdefghijklmnopqrstuvwxyz"
words = ["".join(rng.choice(letters) for _ in range(rng.randint(2, 10))) for _ in range(3000)]
for i in range(11):
    lines = []
    size = 0
    while size < 2_000_000:
        line = " ".join(rng.choice(words) for _ in range(rng.randint(5, 16))) + ".\r\n"
        lines.append(line)
        size += len(line)
    with open(f"{stage}/docs/chapter{i:02}.txt", "w", newline="") as f:
        f.write("".join(lines))
PY
for dll in comctl32.dll ole32.dll ucrtbase.dll; do
  cp "$wine_dlls/$dll" "$stage/bin/"
done
(cd "$stage" && 7zz a -t7z -m0=LZMA:d=16m -mhe=off -p'wqbirex$$' "$archive" . >/dev/null)
