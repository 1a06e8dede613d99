#!/usr/bin/env bash
# Renders "Traditional" (game 1, winnable) with every tileset and every background, shadows on
# and off, into OUT (default /tmp/velmor-renders), one PNG each. Needs a build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-/tmp/velmor-renders}
mkdir -p "$out"
cli=build/bin/velmor-cli
layout=data/Layouts/Traditional.lay
for tileset in pai darkpai bluepai pai256 contrast; do
  for background in kanji.bmp dragons.bmp andromeda.jpg catpats.jpg none; do
    bg=$([ "$background" = none ] && echo none || echo "data/Backgrounds/$background")
    name="$tileset-${background%.*}"
    "$cli" render "$layout" --game 1 --winnable --tileset "data/Tilesets/$tileset.bmp" --background "$bg" \
      --highlight 3 --hover 144 --pick 1 --out "$out/$name.png"
    "$cli" render "$layout" --game 1 --winnable --tileset "data/Tilesets/$tileset.bmp" --background "$bg" \
      --no-shadows --out "$out/$name-flat.png"
  done
done
echo "$(ls "$out"/*.png | wc -l) pictures in $out"
