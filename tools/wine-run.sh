#!/usr/bin/env bash
# Runs a command in the Wine test environment of one build tree.
#   wine-run.sh --tree <build tree> program.exe [arguments...]
#       runs a Windows program under Wine (CTest's cross-compiling emulator);
#   wine-run.sh --tree <build tree> --host command [arguments...]
#       runs a host command (an end-to-end driver) with the same WINEPREFIX,
#       HOME, DISPLAY and locale.
# On first use it creates, under <build tree>/wine:
#   prefix/   a Wine prefix with no window manager integration ("Managed" = N)
#             and the Quick Launch folder that Windows has and Wine lacks;
#   home/     the HOME Wine links Desktop, Documents... into, so nothing
#             reaches the real home folder;
#   xvfb.*    a private X server (display and PID), stopped by
#             tools/wine-harness.sh stop.
# Every run has a time limit (LARKVIEW_WINE_TIMEOUT seconds, default 300).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "${1:-}" = --tree ]; then
  export LARKVIEW_TREE=$2
  shift 2
fi
: "${LARKVIEW_TREE:?wine-run.sh needs --tree or LARKVIEW_TREE}"

# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
larkview_wine_ready

limit=(timeout -k 10 "${LARKVIEW_WINE_TIMEOUT:-300}")
if [ "${1:-}" = --host ]; then
  shift
  exec "${limit[@]}" "$@"
fi
exec "${limit[@]}" wine "$@"
