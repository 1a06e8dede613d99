#!/usr/bin/env bash
# Installs what is needed, builds, and starts Velmor.
# Until the game window lands, this deals game 1 of "Traditional" with velmor-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/bin/velmor-cli deal build/bin/Layouts/Traditional.lay --game 1 --winnable
