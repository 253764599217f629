#!/usr/bin/env bash
# The install benchmark under Wine: the whole default installation through
# the real wizard carrying the extraction benchmark's ~30 MB archive, against
# extraction alone of that archive through the adapter.
#   bench/run-bench.sh install [runs]        (default 5 runs each)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LARKVIEW_DEPS=${LARKVIEW_DEPS:-$root/build/deps}
tree=$root/build/x86_64
runs=${1:-5}

"$root/tools/deps.sh" x86_64
cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DLARKVIEW_DEPS="$LARKVIEW_DEPS" >/dev/null
cmake --build "$tree" --target install_bench_wizard extract_bench bench_archive

# The harness (wineserver, X server) is stopped afterwards unless a test run
# had it going already.
harness_was_up=0
[ -f "$tree/wine/xvfb.pid" ] && kill -0 "$(cat "$tree/wine/xvfb.pid")" 2>/dev/null && harness_was_up=1
work=$(mktemp -d)
finish() {
  rm -rf "$work"
  [ $harness_was_up = 1 ] || "$root/tools/wine-harness.sh" stop "$tree"
}
trap finish EXIT
LARKVIEW_WINE_TIMEOUT=3600 "$root/tools/wine-run.sh" --tree "$tree" --host python3 "$root/bench/install_bench.py" \
  "$tree/bench/install_bench_wizard.exe" "$tree/bench/extract_bench.exe" "$tree/bench/bench.7z" \
  "$LARKVIEW_DEPS/x86_64/7zip/7z.dll" "$work" "$runs"
