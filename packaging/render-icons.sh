#!/usr/bin/env bash
# Remakes the committed PNG icons in packaging/icons/ from the SVG drawings. Needs rsvg-convert
# (Debian package librsvg2-bin); neither the build nor the game needs it.
# 16 pixels comes from its own drawing on a 16-pixel grid: the large one blurs to mud at that size.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  source=velmor.svg
  ((size == 16)) && source=velmor-16.svg
  rsvg-convert --width "$size" --height "$size" "$source" --output "icons/velmor-$size.png"
done
echo "rendered the icons into packaging/icons/"
