#!/usr/bin/env bash
# Builds and runs the extraction benchmark under Wine: the adapter against
# 7-Zip's own console program 7zr.exe, built from the same Debian source.
#   bench/run-bench.sh [runs]        (default 5 runs each)
#   bench/run-bench.sh repaint [runs]  the options page's repaint (bench/repaint.sh)
#   bench/run-bench.sh install [runs]  the whole installation (bench/install.sh)
# LARKVIEW_DEPS names the third-party output folder (default: build/deps).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "${1:-}" = repaint ]; then
  shift
  exec "$root/bench/repaint.sh" "$@"
fi
if [ "${1:-}" = install ]; then
  shift
  exec "$root/bench/install.sh" "$@"
fi
export LARKVIEW_DEPS=${LARKVIEW_DEPS:-$root/build/deps}
tree=$root/build/x86_64
runs=${1:-5}

"$root/tools/deps.sh" --with-7zr x86_64
cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DLARKVIEW_DEPS="$LARKVIEW_DEPS" >/dev/null
cmake --build "$tree" --target extract_bench bench_archive

win() { printf 'Z:%s' "${1//\//\\}"; }
# The harness (wineserver, X server) is stopped afterwards unless a test run
# had it going already.
harness_was_up=0
[ -f "$tree/wine/xvfb.pid" ] && kill -0 "$(cat "$tree/wine/xvfb.pid")" 2>/dev/null && harness_was_up=1
# Output goes to the host's temp folder, beside neither input.
work=$(mktemp -d)
finish() {
  rm -rf "$work"
  [ $harness_was_up = 1 ] || "$root/tools/wine-harness.sh" stop "$tree"
}
trap finish EXIT
"$root/tools/wine-run.sh" --tree "$tree" "$tree/bench/extract_bench.exe" \
  "$(win "$tree/bench/bench.7z")" "$(win "$LARKVIEW_DEPS/x86_64/7zip/7z.dll")" \
  "$(win "$LARKVIEW_DEPS/x86_64/7zip/7zr.exe")" "$(win "$work")" "$runs"
