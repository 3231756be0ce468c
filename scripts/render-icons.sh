#!/usr/bin/env bash
# Renders the icon's PNG sizes from data/icons/varnex.svg (needs rsvg-convert, Debian package
# librsvg2-bin). The PNGs are committed, so building needs no SVG renderer; run this after
# changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
mkdir -p png
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" varnex.svg --output "png/varnex-$size.png"
done
