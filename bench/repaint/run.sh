#!/usr/bin/env bash
# The repaint benchmark under Wine: a full repaint of the unfolded options
# page against a plain copy of its 588 x 550 pixels.
#   bench/run-bench.sh repaint [runs]        (default 5 runs each)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
runs=${1:-5}

bench_build -- repaint_bench
trap bench_stop_harness EXIT
"$root/tools/wine-run.sh" --tree "$tree" "$tree/bench/repaint/repaint_bench.exe" "$runs"
