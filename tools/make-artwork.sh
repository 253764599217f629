#!/usr/bin/env bash
# Draws the wizard's page artwork into resources/artwork/ as 8-bit RGBA PNGs
# (colour type 6): the options page background and install button, the five
# progress-page slides, the finish page background and button, the window
# glyphs and the fold-out chevrons.
#
# tools/artwork/draw.py (python3, standard library only) writes each picture
# as SVG; rsvg-convert renders it and ImageMagick stores it as PNG32 without
# time stamps, so the output is the same on every run. optipng then
# recompresses each one losslessly, keeping colour type and bit depth; a
# picture whose decoded pixels the optimiser changed stops the script.
#
# Debian packages used: librsvg2-bin (rsvg-convert), imagemagick (convert,
# identify), optipng (also installed by tools/deps.sh), fonts-wqy-microhei
# (Chinese lettering), fonts-dejavu-core (Latin lettering), python3. Missing
# ones are installed with apt-get when run as root; otherwise the script names
# them and stops.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$root/resources/artwork"

need=()
command -v rsvg-convert >/dev/null || need+=(librsvg2-bin)
command -v convert >/dev/null || need+=(imagemagick)
command -v python3 >/dev/null || need+=(python3)
command -v optipng >/dev/null || need+=(optipng)
[[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ]] || need+=(fonts-wqy-microhei)
[[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ]] || need+=(fonts-dejavu-core)
if ((${#need[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
  else
    echo "make-artwork.sh: please install: ${need[*]}" >&2
    exit 1
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/tools/artwork/draw.py" "$work"
mkdir -p "$out"
for svg in "$work"/*.svg; do
  name=$(basename "$svg" .svg)
  rsvg-convert "$svg" -o "$work/$name.raw.png"
  convert "$work/$name.raw.png" -strip -depth 8 \
    -define png:exclude-chunks=date,time PNG32:"$work/$name.png"
  rm -f "$out/$name.png"
  optipng -quiet -o5 -nc -nb -out "$out/$name.png" "$work/$name.png"
  "$root/tools/artwork/same-pixels.sh" "$work/$name.png" "$out/$name.png"
done
