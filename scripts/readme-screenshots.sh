#!/usr/bin/env bash
# Remakes the README's pictures in docs/screenshots/ from the real window (offscreen, no screen
# needed): a game under way, Voverizo Dadazu, the layout editor and the help window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cmake --build build --target velmor-shots
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy build/bin/velmor-shots data docs/screenshots
