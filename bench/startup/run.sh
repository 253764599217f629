#!/usr/bin/env bash
# The start-up benchmark under Wine: launch to the first painted options page
# of the wizard against a bare window program, same prefix, runs alternating.
#   bench/run-bench.sh startup [runs]        (default 9 runs each)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
runs=${1:-9}

bench_build -- LarkviewSetup bare_window startup_bench
trap bench_stop_harness EXIT
"$root/tools/wine-run.sh" --tree "$tree" "$tree/bench/startup/startup_bench.exe" \
  "$(win "$tree/app/LarkviewSetup.exe")" "$(win "$tree/bench/startup/bare_window.exe")" "$runs"
