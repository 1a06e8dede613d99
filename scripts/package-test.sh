#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its contents and dependencies, installs it with apt,
# starts the packaged game as a player, and removes the package again (also when a check fails),
# so the machine is left as it was. A velmor package that was already installed is not touched:
# the test then refuses to run.
# Usage: scripts/package-test.sh [build-dir]   (default: build-pkg; configured and built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
build=$(realpath -m "${1:-build-pkg}")
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
installed_by_us=

result() {
  local status=$?
  if [ -n "$installed_by_us" ]; then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y velmor >"$work/remove.log" 2>&1 \
      || { echo "package-test: could not remove the velmor package again" >&2; cat "$work/remove.log" >&2; status=1; }
    if dpkg-query -W -f='${Status}' velmor 2>/dev/null | grep -q "install ok installed"; then
      echo "package-test: the velmor package is still installed" >&2
      status=1
    fi
  fi
  rm -rf "${work:-}"
  if [ "$status" -eq 0 ]; then
    echo "package-test: PASS ($((SECONDS - started)) s)"
  else
    echo "package-test: FAIL ($((SECONDS - started)) s)"
  fi
  exit "$status"
}
trap result EXIT
fail() {
  echo "package-test: $*" >&2
  exit 1
}

if dpkg-query -W -f='${Status}' velmor 2>/dev/null | grep -q "install ok installed"; then
  fail "a velmor package is installed already; remove it first (apt-get remove velmor)"
fi
work=$(mktemp -d)
chmod 755 "$work"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMOR_BUILD_TESTS=OFF -DVELMOR_BUILD_BENCH=OFF
fi
cmake --build "$build" -j"$(nproc)"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no package version in $build/CPackConfig.cmake"
rm -f "$build"/velmor_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$build"/velmor_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no velmor_${version}_*.deb"
deb=$work/$(basename "${debs[0]}")
cp "${debs[0]}" "$deb"  # apt reads the file as its own user; a build folder may be closed to it
echo "package-test: built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmor ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), not $version"
[ "$(field Section)" = games ] || fail "section: $(field Section)"
[ "$(field Maintainer)" = "Velmor developers <dev@velmor.org>" ] || fail "maintainer: $(field Maintainer)"
depends=$(field Depends)
for needed in timgm6mb-soundfont libqt6widgets6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libfluidsynth3 libjpeg62-turbo; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
recommends=$(field Recommends)
for wanted in qt6-wayland qt6-translations-l10n fonts-dejavu-core; do
  [[ ", $recommends," == *", $wanted"[\ ,]* ]] || fail "Recommends lacks $wanted: $recommends"
done
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents.txt"
for file in ./usr/games/velmor ./usr/games/velmor-cli ./usr/share/velmor/Layouts/Traditional.lay \
  ./usr/share/velmor/Tilesets/pai.bmp ./usr/share/velmor/velmor.rtf \
  ./usr/share/applications/org.velmor.Velmor.desktop ./usr/share/metainfo/org.velmor.Velmor.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/velmor.svg ./usr/share/icons/hicolor/48x48/apps/velmor.png \
  ./usr/share/man/man6/velmor.6.gz ./usr/share/man/man1/velmor-cli.1.gz \
  ./usr/share/doc/velmor/copyright ./usr/share/doc/velmor/changelog.gz; do
  grep -qxF "$file" "$work/contents.txt" || fail "the package lacks $file"
done
if grep -E '/(Velmor|Hallfame)\.ini$|^\./usr/local/' "$work/contents.txt"; then
  fail "the package holds files that belong elsewhere"
fi
echo "package-test: contents and dependencies as expected"
# Debian's own checks of a package; any error fails the test, warnings are shown.
lintian --fail-on error --info "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian found errors"; }
sed 's/^/lintian: /' "$work/lintian.log"
echo "package-test: lintian finds no errors"

installed_by_us=1
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" \
  >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "apt-get install failed"; }
dpkg -L velmor >"$work/listed.txt"
for file in /usr/games/velmor /usr/games/velmor-cli /usr/share/velmor/Layouts/Traditional.lay \
  /usr/share/applications/org.velmor.Velmor.desktop /usr/share/man/man6/velmor.6.gz; do
  grep -qxF "$file" "$work/listed.txt" || fail "dpkg -L velmor does not list $file"
done
/usr/games/velmor-cli layout /usr/share/velmor/Layouts/Traditional.lay | grep -qx "tiles: 144" \
  || fail "the packaged velmor-cli cannot read a packaged layout"
echo "package-test: installed with apt; the packaged velmor-cli works"

scripts/run-installed-game.sh /usr || fail "the packaged game did not run as a player's"
