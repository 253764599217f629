#!/usr/bin/env bash
# Starts or stops the Wine test harness of one build tree: its prefix's
# wineserver and its private X server (stopped by PID).
#   wine-harness.sh start|stop <build tree>
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export LARKVIEW_TREE=$2
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
case $1 in
  start) larkview_wine_ready ;;
  stop) larkview_wine_stop ;;
  *) echo "usage: wine-harness.sh start|stop <build tree>" >&2; exit 2 ;;
esac
