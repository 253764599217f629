#!/usr/bin/env bash
# Draws the application icon (resources/larkview.ico): a blue rounded tile
# with a white play mark, at 16, 24, 32, 48 and 256 pixels.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
  \( -size 256x256 gradient:'#39A0FF-#0B4FB3' \) \
  \( -size 256x256 xc:none -fill white -draw 'roundrectangle 8,8 247,247 52,52' \) \
  -delete 0 -compose DstIn -composite \
  -fill white -draw 'polygon 100,70 100,186 196,128' -depth 8 "$work/tile.png"
for size in 16 24 32 48; do
  convert "$work/tile.png" -resize ${size}x${size} "$work/$size.png"
done
convert "$work/16.png" "$work/24.png" "$work/32.png" "$work/48.png" "$work/tile.png" \
  "$root/resources/larkview.ico"
