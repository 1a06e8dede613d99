#!/usr/bin/env bash
# Installs what is needed, builds, and starts Velmor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/bin/velmor
