#!/usr/bin/env bash
# Renders the 32x32 PNG icon from the hand-drawn SVG. Run it after editing data/yorvane.svg.
set -euo pipefail
cd "$(dirname "$0")/../data"
convert -background none -density 96 yorvane.svg -resize 32x32 -strip png32:yorvane.png
