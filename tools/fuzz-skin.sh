#!/usr/bin/env bash
# Builds the stored skin's readers natively with clang under libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes them for a
# given time, starting from the options page's real skin and a few damaged
# variants of it.
#   tools/fuzz-skin.sh [seconds]      (default 60)
# The build lands in build/fuzz, the growing corpus in build/fuzz/corpus; a
# crash leaves its input in build/fuzz and makes the script fail.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
out=$root/build/fuzz

cmake -S "$root/tests/skin/fuzz" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" >"$out/build.log" 2>&1 || { cat "$out/build.log"; exit 1; }

seeds=$out/seeds
mkdir -p "$seeds" "$out/corpus"
python3 "$root/tools/pack-skin.py" "$root/resources/skin" "$seeds/options.skin"
python3 - "$seeds" <<'PY'
import sys, zlib
from pathlib import Path
seeds = Path(sys.argv[1])
packed = (seeds / "options.skin").read_bytes()
raw = zlib.decompress(packed)
(seeds / "raw.bin").write_bytes(raw)
(seeds / "cut.skin").write_bytes(packed[: len(packed) // 2])
(seeds / "raw-cut.bin").write_bytes(raw[: len(raw) // 3])
PY
cd "$out"
./skin_fuzz -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1 \
  corpus "$seeds"
