#!/usr/bin/env bash
# Renders the scalable icon into the PNG sizes that the windows use. Qt's base
# image formats cannot read SVG, so the PNGs are committed; run this again only
# after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

ensure_packages librsvg2-bin

svg=data/icons/example.wraithlex.Wraithlex.svg
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$svg" \
        --output "resources/icons/wraithlex-$size.png"
done
ls -l resources/icons
