#!/usr/bin/env bash
# Renders kragmoor.svg to the PNG sizes desktops look up (committed, so that a build needs no
# renderer). Needs rsvg-convert (Debian: librsvg2-bin). Run again after editing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" kragmoor.svg --output "kragmoor-$size.png"
done
