#!/usr/bin/env bash
# Draws the application icon (resources/larkview.ico): the product mark, the
# winged play symbol on a blue gradient tile, at 16, 24, 32, 48 and 256
# pixels. The drawing is shared with the page artwork (tools/artwork/draw.py);
# like make-artwork.sh it needs python3, librsvg2-bin and imagemagick.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
for tool in python3 rsvg-convert convert; do
  command -v "$tool" >/dev/null || { echo "make-icon.sh: $tool is missing (see make-artwork.sh)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/tools/artwork/draw.py" "$work" icon
sizes=(16 24 32 48 256)
for size in "${sizes[@]}"; do
  rsvg-convert "$work/icon$size.svg" -o "$work/$size.raw.png"
  convert "$work/$size.raw.png" -strip PNG32:"$work/$size.png"
done
(cd "$work" && convert "${sizes[@]/%/.png}" "$root/resources/larkview.ico")
