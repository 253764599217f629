#!/usr/bin/env bash
# The install benchmark under Wine: the whole default installation through
# the real wizard carrying the extraction benchmark's ~30 MB archive, against
# extraction alone of that archive through the adapter.
#   bench/run-bench.sh install [runs]        (default 5 runs each)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
runs=${1:-5}

bench_build -- install_bench_wizard extract_bench bench_archive
work=$(mktemp -d)
trap 'rm -rf "$work"; bench_stop_harness' EXIT
LARKVIEW_WINE_TIMEOUT=3600 "$root/tools/wine-run.sh" --tree "$tree" --host python3 "$root/bench/install/install_bench.py" \
  "$tree/bench/install/install_bench_wizard.exe" "$tree/bench/extract/extract_bench.exe" \
  "$tree/bench/extract/bench.7z" "$LARKVIEW_DEPS/x86_64/7zip/7z.dll" "$work" "$runs"
