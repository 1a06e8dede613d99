#!/usr/bin/env bash
# Set-up and build into ./build (Release). Extra arguments go to the CMake configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build -j"$(nproc)"
