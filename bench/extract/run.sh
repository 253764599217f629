#!/usr/bin/env bash
# The extraction benchmark under Wine: the adapter against 7-Zip's own console
# program 7zr.exe, built from the same Debian source.
#   bench/run-bench.sh extract [runs]        (default 5 runs each)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
runs=${1:-5}

bench_build --with-7zr -- extract_bench bench_archive
# Output goes to the host's temp folder, beside neither input.
work=$(mktemp -d)
trap 'rm -rf "$work"; bench_stop_harness' EXIT
"$root/tools/wine-run.sh" --tree "$tree" "$tree/bench/extract/extract_bench.exe" \
  "$(win "$tree/bench/extract/bench.7z")" "$(win "$LARKVIEW_DEPS/x86_64/7zip/7z.dll")" \
  "$(win "$LARKVIEW_DEPS/x86_64/7zip/7zr.exe")" "$(win "$work")" "$runs"
