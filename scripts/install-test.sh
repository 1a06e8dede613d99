#!/usr/bin/env bash
# Installs Velmor into a temporary prefix and checks the result as a distribution would: the files
# and where they go, the desktop entry and metainfo validators, the man pages, the installed
# velmor-cli on an installed layout, and the installed game started and stopped by a player.
# Usage: scripts/install-test.sh [build-dir]   (default: build-pkg; configured and built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
build=$(realpath -m "${1:-build-pkg}")

result() {
  local status=$?
  if [ "$status" -eq 0 ]; then
    echo "install-test: PASS ($((SECONDS - started)) s)"
  else
    echo "install-test: FAIL ($((SECONDS - started)) s)"
  fi
  rm -rf "${work:-}"
}
trap result EXIT
fail() {
  echo "install-test: $*" >&2
  exit 1
}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMOR_BUILD_TESTS=OFF -DVELMOR_BUILD_BENCH=OFF
fi
cmake --build "$build" -j"$(nproc)"

work=$(mktemp -d)
chmod 755 "$work"  # the game may run as another user, who must reach the prefix
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

expected=(
  games/velmor games/velmor-cli
  share/velmor/Layouts/Traditional.lay share/velmor/Tilesets/pai.bmp share/velmor/Backgrounds/kanji.bmp
  share/velmor/Musics/Night.mid share/velmor/hof.bmp share/velmor/orange.jpg share/velmor/select.wav
  share/velmor/velmor.rtf share/velmor/whatsnew.rtf
  share/velmor/velmor.de.rtf share/velmor/whatsnew.pt_BR.rtf
  share/velmor/translations/velmor_de.qm share/velmor/translations/velmor_pt_BR.qm share/velmor/translations/patterns.txt
  share/applications/org.velmor.Velmor.desktop
  share/metainfo/org.velmor.Velmor.metainfo.xml
  share/icons/hicolor/scalable/apps/velmor.svg
  share/man/man6/velmor.6.gz share/man/man1/velmor-cli.1.gz
  share/doc/velmor/copyright share/doc/velmor/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/velmor.png")
done
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for program in velmor velmor-cli; do
  [ -x "$prefix/games/$program" ] || fail "games/$program is not executable"
done
# Every file of data/ is the game's, and the compiled catalogues beside it; the installed data
# must be exactly that tree.
diff <({ (cd data && find . -type f); (cd translations && ls velmor_*.ts | sed 's|^\(.*\)\.ts$|./translations/\1.qm|'); echo ./translations/patterns.txt; } | sort) \
  <(cd "$prefix/share/velmor" && find . -type f | sort) \
  || fail "share/velmor/ differs from data/ and the catalogues"
for name in Velmor.ini Hallfame.ini; do
  [ -z "$(find "$prefix" -name "$name")" ] || fail "$name was installed; it belongs to each player"
done
for size in 16 24 32 48 64 128 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/velmor.png" | grep -q "PNG image data, $size x $size," \
    || fail "the ${size}x${size} icon is not a $size-pixel PNG"
done
echo "install-test: ${#expected[@]} expected files installed"

desktop-file-validate "$prefix/share/applications/org.velmor.Velmor.desktop" || fail "desktop-file-validate"
grep -qx "Icon=velmor" "$prefix/share/applications/org.velmor.Velmor.desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net "$prefix/share/metainfo/org.velmor.Velmor.metainfo.xml" || fail "appstreamcli validate"
# Both are written from the catalogues in packaging/po/: each language must have reached both.
for language in $(cat packaging/po/LINGUAS); do
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$prefix/share/applications/org.velmor.Velmor.desktop" \
      || fail "the desktop entry has no $key[$language]"
  done
  for element in summary p caption li; do
    grep -q "<$element xml:lang=\"$language\">" "$prefix/share/metainfo/org.velmor.Velmor.metainfo.xml" \
      || fail "the metainfo has no <$element xml:lang=\"$language\">"
  done
done
for page in man6/velmor.6.gz man1/velmor-cli.1.gz; do
  warnings=$(zcat "$prefix/share/man/$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
done
echo "install-test: desktop entry, metainfo and man pages validate"

cli=$prefix/games/velmor-cli
layout=$prefix/share/velmor/Layouts/Traditional.lay
"$cli" layout "$layout" >"$work/layout.txt" || fail "velmor-cli layout failed"
grep -qx "tiles: 144" "$work/layout.txt" || fail "velmor-cli layout: $(head -2 "$work/layout.txt")"
"$cli" deal "$layout" --game 1 --winnable >"$work/deal.txt" || fail "velmor-cli deal failed"
[ "$(grep -c '^[0-9]' "$work/deal.txt")" -eq 144 ] || fail "velmor-cli deal did not place 144 tiles"
"$cli" render "$layout" --game 1 --tileset "$prefix/share/velmor/Tilesets/pai.bmp" \
  --background "$prefix/share/velmor/Backgrounds/andromeda.jpg" --out "$work/board.png" || fail "velmor-cli render failed"
file "$work/board.png" | grep -q "PNG image data" || fail "velmor-cli render wrote no PNG"
echo "install-test: the installed velmor-cli reads, deals and draws an installed layout"

scripts/run-installed-game.sh "$prefix" || fail "the installed game did not run as a player's"
