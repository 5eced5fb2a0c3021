#!/usr/bin/env bash
# Renders the icon's sizes for the desktop's icon theme from its SVG (needs
# rsvg-convert from Debian's librsvg2-bin). The PNGs are kept in the tree.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" quorvane.svg -o "quorvane-$size.png"
done
