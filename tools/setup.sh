#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds both architectures
# and starts the wizard (x86_64) under Wine in the build tree's own prefix.
# With a display ($DISPLAY) the wizard appears there and this script waits
# until it is closed; without one it runs on a private Xvfb, a screenshot is
# saved to build/x86_64/screenshots/setup.png, and the wizard is closed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/build.sh" x86_64 i686

tree=$root/build/x86_64
wizard=$tree/app/LarkviewSetup.exe
echo "setup: wizard built: $wizard (32-bit: $root/build/i686/app/LarkviewSetup.exe)"
if [ -n "${DISPLAY:-}" ]; then
  LARKVIEW_USE_DISPLAY=1 LARKVIEW_WINE_TIMEOUT=86400 "$root/tools/wine-run.sh" --tree "$tree" "$wizard"
  exit
fi
"$root/tools/wine-run.sh" --tree "$tree" --host bash -c '
  wine "$1" & pid=$!
  sleep 8
  mkdir -p "$2/screenshots"
  import -window root "$2/screenshots/setup.png"
  kill $pid; wait $pid 2>/dev/null || true' _ "$wizard" "$tree"
"$root/tools/wine-harness.sh" stop "$tree"
echo "setup: no display; the wizard ran on Xvfb: see $tree/screenshots/setup.png"
