#!/usr/bin/env bash
# Builds and runs the repaint benchmark under Wine: a full repaint of the
# unfolded options page against a plain copy of its 588 x 550 pixels.
#   bench/repaint.sh [runs]        (default 5 runs each)
# LARKVIEW_DEPS names the third-party output folder (default: build/deps).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LARKVIEW_DEPS=${LARKVIEW_DEPS:-$root/build/deps}
tree=$root/build/x86_64
runs=${1:-5}

"$root/tools/deps.sh" x86_64
cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DLARKVIEW_DEPS="$LARKVIEW_DEPS" >/dev/null
cmake --build "$tree" --target repaint_bench

# The harness (wineserver, X server) is stopped afterwards unless a test run
# had it going already.
harness_was_up=0
[ -f "$tree/wine/xvfb.pid" ] && kill -0 "$(cat "$tree/wine/xvfb.pid")" 2>/dev/null && harness_was_up=1
finish() { [ $harness_was_up = 1 ] || "$root/tools/wine-harness.sh" stop "$tree"; }
trap finish EXIT
"$root/tools/wine-run.sh" --tree "$tree" "$tree/bench/repaint_bench.exe" "$runs"
