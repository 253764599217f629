#!/usr/bin/env bash
# One entry for every benchmark: bench/run-bench.sh KIND [runs]
# Each kind lives in bench/KIND/ (its programs and run.sh) and prints its
# ratio line last. LARKVIEW_DEPS names the third-party output folder (default:
# build/deps).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
kinds=$(cd "$here" && for run in */run.sh; do printf '%s ' "${run%/run.sh}"; done)
kind=${1:-}
if [ -z "$kind" ] || [ ! -f "$here/$kind/run.sh" ]; then
  echo "usage: bench/run-bench.sh KIND [runs]   (KIND: ${kinds% })" >&2
  exit 2
fi
shift
exec bash "$here/$kind/run.sh" "$@"
