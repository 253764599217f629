#!/usr/bin/env bash
# Builds both architectures (tools/build.sh) and runs the whole test suite of
# the x86_64 build under Wine; 32-bit Windows programs cannot run on this host.
# Then fuzzes the stored skin's readers briefly (tools/fuzz-skin.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/build.sh" x86_64 i686
cd "$root/build/x86_64"
ctest --output-on-failure -j2 "$@"
"$root/tools/fuzz-skin.sh" 30
