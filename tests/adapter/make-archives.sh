#!/usr/bin/env bash
# Builds the archives the adapter tests open, from files made here with fixed
# content (the same bytes on every run).
#   make-archives.sh <output folder>
set -euo pipefail
# 7zz reads the host file names in the locale's encoding.
export LC_ALL=C.UTF-8
out=$1
rm -rf "$out"
mkdir -p "$out/tree/sub/deeper" "$out/tree/emptyfolder" "$out/secret"

python3 - "$out" <<'PY'
import random, sys
out = sys.argv[1]
rng = random.Random(20260102)
def write(path, data):
    with open(f"{out}/{path}", "wb") as f:
        f.write(data)
write("tree/top.txt", b"".join(b"line %d of the top file\r\n" % i for i in range(2000)))
write("tree/\u4e2d\u6587\u540d.txt", "一个中文文件名\r\n".encode() * 50)
write("tree/sub/inner.bin", rng.randbytes(200_000))
write("tree/sub/deeper/leaf.txt", b"leaf\r\n" * 300)
write("tree/sub/deeper/empty.dat", b"")
write("tree/big.bin", rng.randbytes(3_000_000))
write("secret/alpha.txt", b"alpha secret text\r\n" * 400)
write("secret/beta.bin", rng.randbytes(50_000))
PY

(cd "$out/tree" && 7zz a -t7z "$out/tree.7z" . >/dev/null)
# Single quotes keep the password literal.
(cd "$out/secret" && 7zz a -t7z -mhe=off -p's3cret' "$out/secret.7z" . >/dev/null)
(cd "$out/secret" && 7zz a -t7z -mhe=on -p's3cret' "$out/secret-header.7z" . >/dev/null)
printf 'This is a text file, not an archive.\r\n' > "$out/notarchive.7z"
: > "$out/empty.7z"
head -c "$(($(stat -c %s "$out/tree.7z") / 2))" "$out/tree.7z" > "$out/truncated.7z"
