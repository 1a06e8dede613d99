#!/usr/bin/env bash
# Installs the Debian packages Velmor builds and runs with; packages already present are skipped.
# With --dev also what the full check needs (fuzzing, packaging and its validators).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libjpeg62-turbo-dev zlib1g-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-comic-neue fonts-dejavu-core
  # msgfmt writes the desktop entry and the metainfo in every language, from appstream's rules for the latter.
  gettext appstream
)

# The full check (scripts/test.sh --full): libFuzzer and the formatter come with clang; the package and install
# tests build a .deb, check it with lintian and validate the desktop files and man pages. ImageMagick lays out the contact sheet of the
# layouts (scripts/contact-sheet.sh); the accessibility bus, its Python client and a private session bus let
# scripts/a11y-tree.sh and scripts/a11y-events.sh read and hear the window as a screen reader does. FluidSynth's player and SoX measure the tunes' levels (scripts/sound-levels.sh).
# Xvfb, xdotool, a headless weston and Qt's Wayland plugin show the same deal under X11 and Wayland
# (scripts/display-test.sh).
dev_packages=(
  clang libclang-rt-14-dev clang-format
  dpkg-dev lintian desktop-file-utils groff-base file procps
  imagemagick fluidsynth sox
  at-spi2-core python3-pyatspi dbus-daemon
  xvfb xdotool weston qt6-wayland
)
if [ "${1:-}" = "--dev" ]; then
  packages+=("${dev_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "setup: all packages present"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
echo "setup: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
