#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and runs
# them. Leak checking covers our own code; Qt, fontconfig and the sound libraries keep caches for
# the life of the process, so the window and sound tests run without it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMOR_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-asan -j"$(nproc)"
cd build-asan
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Tests that run Qt, the sound libraries or velmor-cli (which reads pictures through Qt).
outside="^(GameWindow|Wallpaper|Playback|Effects|BadFiles|Degraded|ShippedTune|Musics/|Tilesets|Backgrounds|HallOfFamePanel|HelpPaper|Cli)"
# The ten-thousand-deal soak runs ten to twenty times slower here than in the release build.
ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure --timeout 1500 -j"$(nproc)" -E "$outside"
ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --timeout 600 -j"$(nproc)" -R "$outside"
