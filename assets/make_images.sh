#!/usr/bin/env bash
# Draws the program's picture (60x60 baseline JPEG) and icon (32x32, 256 colours,
# transparent ground) with ImageMagick. The results are committed; run this only to redraw.
set -euo pipefail
cd "$(dirname "$0")"

# A dark-green disc on light grey, a white dot above a curved white stroke.
convert -size 60x60 xc:'#d9d9d9' \
  -fill '#1f6b35' -stroke '#174f28' -strokewidth 1 -draw 'circle 30,30 30,3' \
  -fill white -stroke none -draw 'circle 30,19 30,13' \
  -fill none -stroke white -strokewidth 5 -draw 'path "M 16,30 Q 30,52 44,30"' \
  -strip -interlace none -sampling-factor 2x2 -quality 90 picture.jpg

# An orange lorry with a white cargo box, seen from the side.
convert -size 32x32 xc:none \
  -fill white -stroke '#7a3d00' -strokewidth 1 -draw 'rectangle 1,8 19,23' \
  -fill '#f28c1a' -stroke '#7a3d00' -draw 'path "M 20,12 L 27,12 L 31,18 L 31,23 L 20,23 Z"' \
  -fill '#bfe3ff' -stroke '#7a3d00' -draw 'path "M 22,14 L 26,14 L 29,18 L 22,18 Z"' \
  -fill '#f28c1a' -stroke none -draw 'rectangle 2,18 18,20' \
  -fill '#333333' -stroke '#111111' -draw 'circle 7,25 7,22' -draw 'circle 26,25 26,22' \
  -fill '#bbbbbb' -stroke none -draw 'circle 7,25 7,24' -draw 'circle 26,25 26,24' \
  -colors 255 -depth 8 rgba:lorry.rgba
python3 make_icon.py lorry.rgba tarvello.ico
rm -f lorry.rgba
