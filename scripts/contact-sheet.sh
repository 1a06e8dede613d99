#!/usr/bin/env bash
# Renders every layout in data/Layouts (game 1, winnable, the default tiles on a plain table) and
# sets the pictures out in one labelled grid, to judge the heaps side by side.
#   scripts/contact-sheet.sh OUT.png [BUILD_DIR]
# Needs a build (scripts/build.sh) and ImageMagick's montage (scripts/setup.sh --dev).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: scripts/contact-sheet.sh OUT.png [BUILD_DIR]" >&2
  exit 2
fi
out=$1
build=${2:-build}
cli=$build/bin/velmor-cli
[ -x "$cli" ] || { echo "contact-sheet: no $cli; build first" >&2; exit 1; }
command -v montage >/dev/null || { echo "contact-sheet: montage not found (imagemagick)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pictures=()
for layout in data/Layouts/*.lay data/Layouts/*.shp; do
  [ -e "$layout" ] || continue
  file=$(basename "$layout")
  name=${file%.*}
  # The number keeps the shell's (sorted) order; the label is the layout's name.
  picture=$work/$(printf '%03d' ${#pictures[@]})-$name.png
  "$cli" render "$layout" --game 1 --winnable --tileset data/Tilesets/pai.bmp --background none --out "$picture"
  pictures+=(-label "$name" "$picture")
done
count=$((${#pictures[@]} / 3))
columns=6
montage "${pictures[@]}" -tile "${columns}x" -geometry 352x234+6+6 -pointsize 18 -background white "$out"
echo "contact-sheet: $count layouts in $out"
